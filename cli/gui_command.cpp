#include "cli/gui_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "app/caelix_app.h"
#include "chart/precise_chart.h"
#include "cli/completion.h"
#include "cli/option_checks.h"
#include "platform/data_folder.h"
#include "platform/fltk/fltk_host.h"

namespace caelix {

CLI::App* AddGuiCommand(CLI::App& app, GuiOptions& options) {
  CLI::App* gui = app.add_subcommand("gui", "Open the main dialog in a desktop window");
  gui->add_option("--data-dir", options.dataDir,
                  "Folder of the stored place, house system and history (ahouses.bin, aplace.bin, alastcall.bin; "
                  "default: $XDG_CONFIG_HOME/caelix, else ~/.config/caelix, made when first written)")
      ->check(CLI::Validator(CLI::ExistingDirectory).description(""))
      ->type_name(kFolderValue);
  gui->add_option("--scale", options.scale,
                  "Size of the windows, 0.5 to 8: at 1 a dialog unit is 1.75 screen pixels (default: 1.5)")
      ->check(PlainDecimal())
      ->check(CLI::Range(0.5, 8.0));
  gui->add_option("--engine", options.engine,
                  "Engine of the dialogs' charts: classic (default, the original computation) or precise")
      ->check(CLI::IsMember({"classic", "precise"}));
  return gui;
}

int RunGuiCommand(const GuiOptions& options, std::ostream& err) {
  if (!FltkHost::DisplayAvailable()) {
    err << "caelix gui: cannot open the display (is DISPLAY set to a running X server?)\n";
    return 1;
  }
  const auto folder = options.dataDir ? std::optional<std::filesystem::path>(*options.dataDir) : DefaultDataFolder();
  if (!folder) {
    err << "caelix gui: no folder for the stored files: HOME is not set; give --data-dir\n";
    return 1;
  }
  FltkHost host(options.scale);
  CaelixApp app(host, *folder);
  app.SetEngine(ParseEngine(options.engine).value_or(Engine::Classic));
  app.InitInstance();
  return 0;
}

}  // namespace caelix

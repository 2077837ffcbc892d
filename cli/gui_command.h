#pragma once
// `caelix gui`: the main dialog in a desktop window.
#include <iosfwd>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace caelix {

struct GuiOptions {
  std::optional<std::string> dataDir;  // the stored files' folder; by default DefaultDataFolder()
  double scale = 1.5;
  std::string engine = "classic";  // the dialogs keep the classic engine unless asked
};

// Adds the gui subcommand and its options to app; the options are written into options.
CLI::App* AddGuiCommand(CLI::App& app, GuiOptions& options);

// Runs the application until its main dialog closes; returns the exit status (0, or 1 when no
// display can be opened or there is no folder for the stored files).
int RunGuiCommand(const GuiOptions& options, std::ostream& err);

}  // namespace caelix

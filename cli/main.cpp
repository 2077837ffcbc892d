// caelix: natal charts from the command line (chart, batch) and in desktop windows (gui).
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/batch_command.h"
#include "cli/chart_command.h"
#include "cli/completion.h"
#include "cli/gui_command.h"
#include "cli/unknown_command.h"
#include "cli/version.h"

namespace {

int Run(int argc, char** argv) {
  CLI::App app{
      "Caelix: natal-chart calculator. Positions of the Sun, the Moon, the planets, the chart angles, "
      "house cusps and tabulated bodies for a date, a UT time and a place."};
  app.require_subcommand(1);
  app.set_version_flag("--version", caelix::VersionText(),
                       "Print the version and the data sets' versions and licences");
  caelix::ChartOptions chartOptions;
  CLI::App* chart = caelix::AddChartCommand(app, chartOptions);
  caelix::BatchOptions batchOptions;
  CLI::App* batch = caelix::AddBatchCommand(app, batchOptions);
  caelix::GuiOptions guiOptions;
  CLI::App* gui = caelix::AddGuiCommand(app, guiOptions);
  caelix::CompletionOptions completionOptions;
  CLI::App* completion = caelix::AddCompletionCommand(app, completionOptions);
  if (const auto unknown = caelix::UnknownCommand(app, argc, argv)) {
    std::cerr << "caelix: " << *unknown << " (see caelix --help)\n";
    return 2;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    std::cout << e.what();
    return 0;
  } catch (const CLI::ParseError& e) {
    std::cerr << "caelix: " << e.what() << " (see caelix --help)\n";
    return 2;
  }
  if (chart->parsed()) return caelix::RunChartCommand(chartOptions, std::cout, std::cerr);
  if (batch->parsed()) {
    std::ios::sync_with_stdio(false);  // streams alone carry the rows: no C stdio in between
    return caelix::RunBatchCommand(batchOptions, std::cin, std::cout, std::cerr);
  }
  if (gui->parsed()) return caelix::RunGuiCommand(guiOptions, std::cerr);
  if (completion->parsed()) return caelix::RunCompletionCommand(completionOptions, app, std::cout);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "caelix: " << e.what() << '\n';
    return 1;
  }
}

// caelix: natal charts from the command line (chart, batch), in desktop windows (gui) and over HTTP (serve).
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/batch_command.h"
#include "cli/chart_command.h"
#include "cli/gui_command.h"
#include "web/serve_command.h"

namespace {

int Run(int argc, char** argv) {
  CLI::App app{
      "Caelix: natal-chart calculator. Positions of the Sun, the Moon, the planets, the chart angles, "
      "house cusps and tabulated bodies for a date, a UT time and a place."};
  app.require_subcommand(1);
  caelix::ChartOptions chartOptions;
  CLI::App* chart = caelix::AddChartCommand(app, chartOptions);
  caelix::BatchOptions batchOptions;
  CLI::App* batch = caelix::AddBatchCommand(app, batchOptions);
  caelix::GuiOptions guiOptions;
  CLI::App* gui = caelix::AddGuiCommand(app, guiOptions);
  caelix::ServeOptions serveOptions;
  CLI::App* serve = caelix::AddServeCommand(app, serveOptions);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
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
  if (serve->parsed()) return caelix::RunServeCommand(serveOptions, std::cout, std::cerr);
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

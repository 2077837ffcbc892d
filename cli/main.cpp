// caelix: natal charts from the command line (chart, batch), in desktop windows (gui) and over HTTP (serve).
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <csignal>
#include <iostream>
#include <string>

#include "cli/batch_command.h"
#include "cli/chart_command.h"
#include "cli/completion.h"
#include "cli/echoed_text.h"
#include "cli/gui_command.h"
#include "cli/places_command.h"
#include "cli/version.h"
#include "platform/descriptor_streams.h"
#include "web/serve_command.h"

namespace {

// The longest echo of a message of the option parser, which may quote what was typed.
constexpr std::size_t kParserMessageCharacters = 400;

// Returns the message for a first argument that is neither an option nor a command, or nothing.
std::string UnknownCommand(CLI::App& app, int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return {};
  std::string names;
  for (const CLI::App* sub : app.get_subcommands({})) {
    if (sub->get_name() == argv[1]) return {};
    if (sub->get_group().empty()) continue;  // a command for installers, not listed
    names += (names.empty() ? "" : ", ") + sub->get_name();
  }
  return "caelix: " + caelix::QuotedEcho(argv[1]) + " is not a command (" + names + "; see caelix --help)";
}

int Run(int argc, char** argv, std::istream& in, std::ostream& out) {
  CLI::App app{
      "Caelix: natal-chart calculator. Positions of the Sun, the Moon, the planets, the chart angles, "
      "house cusps and tabulated bodies for a date, a time (UT, or the local clock of a zone or a town of the "
      "built-in atlas) and a place."};
  app.require_subcommand(1);
  app.set_version_flag(
      "--version", [] { return caelix::VersionText(); }, "Print the version and the data sets' versions and licences");
  caelix::ChartOptions chartOptions;
  CLI::App* chart = caelix::AddChartCommand(app, chartOptions);
  caelix::BatchOptions batchOptions;
  CLI::App* batch = caelix::AddBatchCommand(app, batchOptions);
  caelix::GuiOptions guiOptions;
  CLI::App* gui = caelix::AddGuiCommand(app, guiOptions);
  caelix::ServeOptions serveOptions;
  CLI::App* serve = caelix::AddServeCommand(app, serveOptions);
  caelix::CompletionOptions completionOptions;
  CLI::App* completion = caelix::AddCompletionCommand(app, completionOptions);
  caelix::PlacesOptions placesOptions;
  CLI::App* places = caelix::AddPlacesCommand(app, placesOptions);
  if (const std::string unknown = UnknownCommand(app, argc, argv); !unknown.empty()) {
    std::cerr << unknown << '\n';
    return 2;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, std::cerr);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, out, std::cerr);
  } catch (const CLI::CallForVersion& e) {
    out << e.what();
    return 0;
  } catch (const CLI::ParseError& e) {
    std::cerr << "caelix: " << caelix::EscapedEcho(e.what(), kParserMessageCharacters) << " (see caelix --help)\n";
    return 2;
  }
  if (chart->parsed()) return caelix::RunChartCommand(chartOptions, out, std::cerr);
  if (batch->parsed()) return caelix::RunBatchCommand(batchOptions, in, out, std::cerr);
  if (gui->parsed()) return caelix::RunGuiCommand(guiOptions, std::cerr);
  if (serve->parsed()) return caelix::RunServeCommand(serveOptions, out, std::cerr);
  if (completion->parsed()) return caelix::RunCompletionCommand(completionOptions, app, out);
  if (places->parsed()) return caelix::RunPlacesCommand(placesOptions, out, std::cerr);
  return 2;
}

// Flushes and closes standard output and returns the exit status: status when everything
// written arrived; 1 with a line on stderr when it failed (a full disk, a file-size limit); for
// a reader that has gone (EPIPE), the end by SIGPIPE that a program gets by default.
int FinishOutput(int status, caelix::DescriptorOutput& output) {
  output.pubsync();
  std::error_code failure = output.Error();
  if (!failure && output.Written() > 0 && ::close(STDOUT_FILENO) != 0) {
    failure = std::error_code(errno, std::generic_category());
  }
  if (!failure) return status;
  if (failure == std::errc::broken_pipe) {
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
    return 128 + SIGPIPE;
  }
  std::cerr << "caelix: cannot write standard output: " << failure.message() << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Beyond a file-size limit a write then fails with EFBIG, reported like a full disk, instead
  // of the signal ending the program without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  caelix::DescriptorOutput output(STDOUT_FILENO);
  caelix::DescriptorInput input(STDIN_FILENO);
  std::ostream out(&output);
  std::istream in(&input);
  int status = 1;
  try {
    status = Run(argc, argv, in, out);
  } catch (const std::exception& e) {
    std::cerr << "caelix: " << caelix::EscapedEcho(e.what(), kParserMessageCharacters) << '\n';
  }
  return FinishOutput(status, output);
}

#pragma once
// `caelix serve`: the page and the chart API over HTTP until SIGINT or SIGTERM.
#include <iosfwd>
#include <string>

#include "web/chart_server.h"

namespace CLI {
class App;
}

namespace caelix {

struct ServeOptions {
  int port = 8080;
  std::string bind = "127.0.0.1";
  unsigned threads = kDefaultServeThreads;
  std::string engine = "precise";  // "precise" or "classic": the engine of a request that names none
};

// Adds the serve subcommand and its options to app; the options are written into options.
CLI::App* AddServeCommand(CLI::App& app, ServeOptions& options);

// Serves until SIGINT or SIGTERM, then stops accepting and returns once the requests in flight are
// answered. Prints the page's URL on out when it listens. Returns 0, or 1 when it cannot listen.
int RunServeCommand(const ServeOptions& options, std::ostream& out, std::ostream& err);

}  // namespace caelix

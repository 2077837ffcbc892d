#include "web/serve_command.h"

#include <pthread.h>
#include <signal.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <ctime>
#include <ostream>
#include <thread>

namespace caelix {

CLI::App* AddServeCommand(CLI::App& app, ServeOptions& options) {
  CLI::App* serve =
      app.add_subcommand("serve",
                         "Serve the chart page and the HTTP API (/api/v1/chart, /api/v1/chart.svg, /api/v1/chart.png, "
                         "/api/v1/places, /api/v1/openapi.json) until Ctrl+C");
  serve->add_option("--port", options.port, "TCP port to listen on, 0 for any free one (default: 8080)")
      ->check(CLI::Range(0, 65535));
  serve->add_option("--bind", options.bind,
                    "Address to listen on (default: 127.0.0.1, this machine only; 0.0.0.0 for every network)");
  serve->add_option("--threads", options.threads, "Connections served at once, one thread each (default: 64)")
      ->check(CLI::Range(1u, 1024u));
  serve
      ->add_option("--engine", options.engine,
                   "Engine of the charts whose request names none (engine=): precise (default) or classic (the "
                   "original computation)")
      ->check(CLI::IsMember({"precise", "classic"}));
  return serve;
}

namespace {

// Returns the URL of the page on host:port, with brackets around an IPv6 address.
std::string PageUrl(const std::string& host, int port) {
  const bool v6 = host.find(':') != std::string::npos;
  return "http://" + (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port) + "/";
}

}  // namespace

int RunServeCommand(const ServeOptions& options, std::ostream& out, std::ostream& err) {
  // SIGINT and SIGTERM are taken by one thread with sigtimedwait: blocked here, before any other thread
  // starts, so that every thread of the server inherits the mask.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  sigset_t oldMask;
  pthread_sigmask(SIG_BLOCK, &stopSignals, &oldMask);

  ChartServer server(options.threads, ParseEngine(options.engine).value_or(Engine::Precise));
  const std::optional<int> port = server.Bind(options.bind, options.port);
  if (!port) {
    pthread_sigmask(SIG_SETMASK, &oldMask, nullptr);
    err << "caelix serve: cannot listen on " << options.bind << " port " << options.port << '\n';
    return 1;
  }
  out << "caelix serve: " << PageUrl(options.bind, *port) << " (Ctrl+C stops)" << std::endl;

  std::atomic<bool> finished{false};
  std::thread watcher([&server, &stopSignals, &finished] {
    const timespec poll{0, 100'000'000};
    while (!finished.load()) {
      if (sigtimedwait(&stopSignals, nullptr, &poll) > 0) {
        server.Stop();
        return;
      }
    }
  });
  const bool served = server.Run();
  finished.store(true);
  watcher.join();
  // A second Ctrl+C during the stop is taken here, not by the restored default action.
  const timespec now{0, 0};
  while (sigtimedwait(&stopSignals, nullptr, &now) > 0) {
  }
  pthread_sigmask(SIG_SETMASK, &oldMask, nullptr);
  if (!served) {
    err << "caelix serve: cannot listen on " << options.bind << " port " << *port << '\n';
    return 1;
  }
  out << "caelix serve: stopped" << std::endl;
  return 0;
}

}  // namespace caelix

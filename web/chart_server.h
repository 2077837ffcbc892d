#pragma once
// The HTTP server of `caelix serve` (cpp-httplib): the page, the chart API, the health check.
// Every answer is a function of its request alone: the server keeps no state between requests
// and reads no file.
#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "chart/precise_chart.h"

namespace httplib {
class Server;
}

namespace caelix {

// The largest request body accepted; a larger one is answered 413.
constexpr std::size_t kMaxBodyBytes = 64 * 1024;
// Connections served at once when none is asked for: each open connection holds a thread.
constexpr unsigned kDefaultServeThreads = 64;

class ChartServer {
 public:
  // A server with threads threads, each serving one connection at a time, computing charts with
  // engine unless a request names one. Reads the time-zone database and the atlas before it returns.
  explicit ChartServer(unsigned threads = kDefaultServeThreads, Engine engine = Engine::Precise);
  ~ChartServer();
  ChartServer(const ChartServer&) = delete;
  ChartServer& operator=(const ChartServer&) = delete;

  // Binds to host (a name or an address) and port, 0 for any free one; returns the port bound, or
  // nothing when the address cannot be bound.
  std::optional<int> Bind(const std::string& host, int port);

  // Answers requests until Stop; returns when the requests accepted before Stop are answered.
  // Returns false when it could not listen.
  bool Run();

  // Stops accepting connections and makes Run return once the requests in flight are answered.
  // May be called from any thread, before or while Run runs.
  void Stop();

 private:
  std::unique_ptr<httplib::Server> server_;
  int listenSocket_ = -1;  // the last socket httplib made to listen on, the one bound
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> running_{false};  // Run has begun and not yet returned
};

}  // namespace caelix

#pragma once
// A ChartServer on a free port of 127.0.0.1, serving from a thread of the test, with a client.
#include <gtest/gtest.h>
#include <httplib.h>

#include <memory>
#include <string>
#include <thread>

#include "web/chart_server.h"

namespace caelix::testing {

class RunningChartServer {
 public:
  explicit RunningChartServer(unsigned threads = 8, Engine engine = Engine::Precise) : server_(threads, engine) {
    const auto port = server_.Bind("127.0.0.1", 0);
    if (!port) throw std::runtime_error("cannot bind a port on 127.0.0.1");
    port_ = *port;
    thread_ = std::thread([this] { server_.Run(); });
  }
  ~RunningChartServer() {
    server_.Stop();
    thread_.join();
  }
  RunningChartServer(const RunningChartServer&) = delete;
  RunningChartServer& operator=(const RunningChartServer&) = delete;

  int Port() const { return port_; }

  // A new client of this server; each thread of a test takes its own.
  std::unique_ptr<httplib::Client> Client() const {
    auto client = std::make_unique<httplib::Client>("127.0.0.1", port_);
    client->set_read_timeout(10, 0);
    return client;
  }

 private:
  ChartServer server_;
  int port_ = 0;
  std::thread thread_;
};

}  // namespace caelix::testing

// `caelix serve` as a process: the URL it prints, the stored files it leaves alone, and how it
// stops on SIGINT and SIGTERM, finishing the requests in flight.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <nlohmann/json.hpp>
#include <thread>

#include "app/stored_files.h"
#include "support/run.h"
#include "support/serve_process.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

using testing::ServeProcess;
using testing::TempDir;

// Returns a socket connected to 127.0.0.1:port, or -1.
int Connect(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<std::uint16_t>(port));
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

void SendAll(int fd, const std::string& text) {
  std::size_t sent = 0;
  while (sent < text.size()) {
    const ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

// Reads until the peer closes or the response's Content-Length is in.
std::string ReadResponse(int fd) {
  std::string text;
  char buf[4096];
  for (;;) {
    const std::size_t head = text.find("\r\n\r\n");
    if (head != std::string::npos) {
      const std::size_t at = text.find("Content-Length: ");
      if (at != std::string::npos && at < head) {
        const std::size_t length = std::stoul(text.substr(at + 16));
        if (text.size() >= head + 4 + length) return text;
      }
    }
    const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0) return text;
    text.append(buf, static_cast<std::size_t>(n));
  }
}

TEST(ServeCommand, PrintsTheUrlOnTheLoopbackAddressByDefault) {
  TempDir dir;
  ServeProcess serve({"--port", "0"}, dir.Path());
  const std::string line = serve.ReadLine();
  EXPECT_EQ(0u, line.find("caelix serve: http://127.0.0.1:")) << line;
  const int port = serve.PortFromUrlLine(line.substr(0, line.find("/ (")));
  ASSERT_GT(port, 0) << line;
  httplib::Client client("127.0.0.1", port);
  const auto res = client.Get("/healthz");
  ASSERT_TRUE(res);
  EXPECT_EQ(200, res->status);
  serve.Signal(SIGINT);
  EXPECT_EQ(0, serve.Wait());
  EXPECT_EQ("caelix serve: stopped", serve.ReadLine());
}

TEST(ServeCommand, AnAddressInUseIsAnErrorNotAHang) {
  TempDir dir;
  ServeProcess first({"--port", "0"}, dir.Path());
  const std::string line = first.ReadLine();
  const int port = first.PortFromUrlLine(line.substr(0, line.find("/ (")));
  ASSERT_GT(port, 0) << line;
  ServeProcess second({"--port", std::to_string(port)}, dir.Path());
  EXPECT_EQ(1, second.Wait());
  EXPECT_NE(std::string::npos, second.ReadLine().find("cannot listen on 127.0.0.1 port " + std::to_string(port)));
  const auto bad = testing::RunCaelix("serve --port 70000");
  EXPECT_EQ(2, bad.status);
  EXPECT_NE(std::string::npos, bad.err.find("--port")) << bad.err;
  first.Signal(SIGTERM);
  EXPECT_EQ(0, first.Wait());
}

// The stored place and house system of the folder it runs in (and of the configuration folder)
// are the command line's defaults, never the server's.
TEST(ServeCommand, NeverReadsTheStoredPlaceOrHouseSystem) {
  TempDir dir;
  const auto config = dir.Path() / "config";
  for (const auto& folder : {dir.Path(), config / "caelix"}) {
    std::filesystem::create_directories(folder);
    SavePlace(folder, 100.5, 10.25);
    SaveHouseIndex(folder, 2);
  }
  const auto cli = testing::RunCaelix("chart --json --date 2000-01-01 --time 12:00 --data-dir " + dir.Path().string());
  ASSERT_EQ(0, cli.status) << cli.err;
  ASSERT_EQ(100.5, nlohmann::json::parse(cli.out)["input"]["longitude"]) << "the stored place is not readable";

  ServeProcess serve({"--port", "0"}, dir.Path(), {"XDG_CONFIG_HOME=" + config.string()});
  const std::string line = serve.ReadLine();
  const int port = serve.PortFromUrlLine(line.substr(0, line.find("/ (")));
  ASSERT_GT(port, 0) << line;
  httplib::Client client("127.0.0.1", port);
  const auto res = client.Get("/api/v1/chart?date=2000-01-01&time=12:00");
  ASSERT_TRUE(res);
  ASSERT_EQ(200, res->status) << res->body;
  const auto input = nlohmann::json::parse(res->body)["input"];
  EXPECT_EQ(kDefaultLongitude, input["longitude"]);
  EXPECT_EQ(kDefaultLatitude, input["latitude"]);
  EXPECT_EQ("P", input["houseCode"]);
  serve.Signal(SIGTERM);
  EXPECT_EQ(0, serve.Wait());
}

// A request whose body is still arriving when the signal comes is answered in full; the server
// takes no new connection meanwhile and then exits 0.
TEST(ServeCommand, StopsOnEachSignalAfterTheRequestsInFlight) {
  for (const int sig : {SIGTERM, SIGINT}) {
    TempDir dir;
    ServeProcess serve({"--port", "0"}, dir.Path());
    const std::string line = serve.ReadLine();
    const int port = serve.PortFromUrlLine(line.substr(0, line.find("/ (")));
    ASSERT_GT(port, 0) << line;
    const std::string body = R"({"date": "2000-01-01", "time": "12:00", "lon": 14.417, "lat": 50.083})";
    const int fd = Connect(port);
    ASSERT_GE(fd, 0);
    SendAll(fd, "POST /api/v1/chart HTTP/1.1\r\nHost: localhost\r\nContent-Type: application/json\r\nContent-Length: " +
                    std::to_string(body.size()) + "\r\n\r\n" + body.substr(0, 20));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    serve.Signal(sig);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(serve.Running()) << "it stopped with a request in flight";
    EXPECT_EQ(-1, Connect(port)) << "it still takes connections after the signal";
    SendAll(fd, body.substr(20));
    const std::string response = ReadResponse(fd);
    ::close(fd);
    EXPECT_EQ(0u, response.find("HTTP/1.1 200")) << response.substr(0, 200);
    const std::size_t json = response.find("\r\n\r\n");
    ASSERT_NE(std::string::npos, json);
    EXPECT_EQ(2451545.0, nlohmann::json::parse(response.substr(json + 4))["jdUT"]);
    EXPECT_EQ(0, serve.Wait()) << strsignal(sig);
  }
}

}  // namespace
}  // namespace caelix

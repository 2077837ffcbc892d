#include "web/chart_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <nlohmann/json.hpp>
#include <thread>
#include <vector>

#include "chart/precise_chart.h"
#include "cli/chart_json.h"
#include "support/chart_server_fixture.h"
#include "support/run.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

using testing::RunCaelix;
using testing::RunningChartServer;

class ChartServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new RunningChartServer(); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  static RunningChartServer* server_;
};
RunningChartServer* ChartServerTest::server_ = nullptr;

// The same chart asked of the command line and of the API, by GET and by POST.
struct SameChart {
  const char* cliArgs;
  const char* query;
  const char* body;
};
const SameChart kSameCharts[] = {
    {"--date 2000-01-01 --time 12:00 --lon 14.417 --lat 50.083 --houses P",
     "date=2000-01-01&time=12:00&lon=14.417&lat=50.083&houses=P",
     R"({"date": "2000-01-01", "time": "12:00", "lon": 14.417, "lat": 50.083, "houses": "P"})"},
    {"--date=-44-03-15 --time 09:30:15 --lon=-0.1275 --lat=-33.5 --houses campanus",
     "date=-44-03-15&time=09%3A30%3A15&lon=-0.1275&lat=-33.5&houses=campanus",
     R"({"date": "-44-03-15", "time": "09:30:15", "lon": "-0.1275", "lat": -33.5, "houses": "campanus"})"},
    {"--date 2100-12-31 --time 23:59.999 --lon 360 --lat 65.999 --houses K",
     "houses=K&lat=65.999&lon=360&time=23:59.999&date=2100-12-31",
     R"({"houses": "K", "lat": "65.999", "lon": 360, "time": "23:59.999", "date": "2100-12-31"})"},
    {"--date 1985-07-14 --time 09:20 --lon=-3.7038 --lat 40.4168 --engine classic",
     "date=1985-07-14&time=09:20&lon=-3.7038&lat=40.4168&engine=classic",
     R"({"date": "1985-07-14", "time": "09:20", "lon": -3.7038, "lat": 40.4168, "engine": "classic"})"},
    {"--date 1985-07-14 --time 09:20 --lon=-3.7038 --lat 40.4168 --engine precise",
     "date=1985-07-14&time=09:20&lon=-3.7038&lat=40.4168&engine=precise",
     R"({"date": "1985-07-14", "time": "09:20", "lon": -3.7038, "lat": 40.4168, "engine": "precise"})"},
    // A town of the atlas, its zone reading the local clock (summer time).
    {"--date 1985-07-14 --time 09:20 --place Madrid", "date=1985-07-14&time=09:20&place=Madrid",
     R"({"date": "1985-07-14", "time": "09:20", "place": "Madrid"})"},
    // A town with qualifiers, its coordinates overridden, another zone.
    {"--date 1900-03-01 --time 08:00 --place 'Springfield, IL' --lat 39.8 --tz LMT --houses K",
     "date=1900-03-01&time=08:00&place=Springfield%2C%20IL&lat=39.8&tz=LMT&houses=K",
     R"({"date": "1900-03-01", "time": "08:00", "place": "Springfield, IL", "lat": 39.8, "tz": "LMT", "houses": "K"})"},
    // Coordinates and a zone; a time that occurs twice, resolved.
    {"--date 2021-10-31 --time 02:30 --tz europe/berlin --resolve earlier --lon 13.4 --lat 52.5",
     "date=2021-10-31&time=02:30&tz=europe%2Fberlin&resolve=earlier&lon=13.4&lat=52.5",
     R"({"date": "2021-10-31", "time": "02:30", "tz": "europe/berlin", "resolve": "earlier", "lon": 13.4, "lat": 52.5})"},
    {"--date 2021-03-28 --time 02:30 --tz +05:30 --resolve later --engine classic",
     "date=2021-03-28&time=02:30&tz=%2B05:30&resolve=later&engine=classic",
     R"({"date": "2021-03-28", "time": "02:30", "tz": "+05:30", "resolve": "later", "engine": "classic"})"},
};

TEST_F(ChartServerTest, ChartJsonIsTheCommandLinesByGetAndByPost) {
  auto client = server_->Client();
  for (const SameChart& c : kSameCharts) {
    const auto cli = RunCaelix(std::string("chart --json ") + c.cliArgs);
    ASSERT_EQ(0, cli.status) << cli.err;
    const auto get = client->Get((std::string("/api/v1/chart?") + c.query).c_str());
    ASSERT_TRUE(get) << c.query;
    EXPECT_EQ(200, get->status) << get->body;
    EXPECT_EQ("application/json; charset=utf-8", get->get_header_value("Content-Type"));
    EXPECT_EQ(cli.out, get->body + "\n") << c.query;
    const auto post = client->Post("/api/v1/chart", c.body, "application/json");
    ASSERT_TRUE(post);
    EXPECT_EQ(200, post->status) << post->body;
    EXPECT_EQ(cli.out, post->body + "\n") << c.body;
  }
}

TEST_F(ChartServerTest, WheelSvgIsTheCommandLinesAtEachSize) {
  testing::TempDir dir;
  auto client = server_->Client();
  const auto check = [&](const SameChart& c, int size) {
    const auto file = dir.Path() / ("wheel" + std::to_string(size) + ".svg");
    const auto cli =
        RunCaelix(std::string("chart ") + c.cliArgs + " --svg " + file.string() + " --size " + std::to_string(size));
    ASSERT_EQ(0, cli.status) << cli.err;
    const auto res =
        client->Get((std::string("/api/v1/chart.svg?") + c.query + "&size=" + std::to_string(size)).c_str());
    ASSERT_TRUE(res);
    EXPECT_EQ(200, res->status) << res->body;
    EXPECT_EQ("image/svg+xml", res->get_header_value("Content-Type"));
    EXPECT_EQ(testing::ReadWhole(file), res->body) << c.query << " at " << size;
  };
  for (const int size : {64, 480, 1000}) check(kSameCharts[1], size);
  // Every other chart once, those from a town or a zone with the local time and the place in the
  // wheel's header.
  for (const SameChart& c : kSameCharts) check(c, 400);
}

TEST_F(ChartServerTest, WheelPngIsRenderedAtTheSizeAsked) {
  auto client = server_->Client();
  for (const char* query :
       {"date=2000-01-01&time=12:00&size=200", "date=2000-01-01&time=12:00&style=classic&size=100"}) {
    const auto res = client->Get((std::string("/api/v1/chart.png?") + query).c_str());
    ASSERT_TRUE(res);
    ASSERT_EQ(200, res->status) << res->body;
    EXPECT_EQ("image/png", res->get_header_value("Content-Type"));
    ASSERT_GT(res->body.size(), 24u);
    EXPECT_EQ(0, res->body.compare(0, 8, "\x89PNG\r\n\x1a\n")) << query;
    // The IHDR width, big-endian at byte 16.
    const auto* b = reinterpret_cast<const unsigned char*>(res->body.data());
    const unsigned width = (b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19];
    EXPECT_EQ(std::string(query).ends_with("size=100") ? 100u : 200u, width) << query;
  }
}

TEST_F(ChartServerTest, BadValuesGet400WithTheCommandLinesReason) {
  // Each bad value as an option of `caelix chart` and as a parameter of the API.
  const struct {
    const char* option;
    const char* parameter;
    const char* value;
  } cases[] = {
      {"--date", "date", "2006-02-29"}, {"--date", "date", "20x6-01-01"}, {"--date", "date", ""},
      {"--time", "time", "24:00"},      {"--time", "time", "12:5"},       {"--lon", "lon", "361"},
      {"--lon", "lon", "1e3"},          {"--lon", "lon", "nan"},          {"--lat", "lat", "66"},
      {"--lat", "lat", "-66"},          {"--houses", "houses", "X"},      {"--houses", "houses", ""},
  };
  auto client = server_->Client();
  for (const auto& c : cases) {
    // An empty value as a separate argument: CLI11 takes "--date=" for a missing one.
    const std::string value = std::string(c.value).empty() ? " ''" : std::string("='") + c.value + "'";
    const auto cli = RunCaelix(std::string("chart ") + c.option + value);
    ASSERT_EQ(2, cli.status) << c.option << " " << c.value;
    const std::string prefix = std::string("caelix chart: ") + c.option + ": ";
    ASSERT_EQ(0u, cli.err.find(prefix)) << cli.err;
    const std::string why = cli.err.substr(prefix.size(), cli.err.size() - prefix.size() - 1);

    const auto res = client->Get("/api/v1/chart", httplib::Params{{c.parameter, c.value}}, httplib::Headers{});
    ASSERT_TRUE(res);
    EXPECT_EQ(400, res->status);
    const auto j = nlohmann::json::parse(res->body);
    EXPECT_EQ(400, j["status"]);
    EXPECT_EQ(c.parameter, j["parameter"]);
    EXPECT_EQ(why, j["message"]) << c.parameter << "=" << c.value;
  }
}

// caelix serve --engine classic: a request that names no engine gets the classic engine's chart.
TEST(ChartServerEngine, TheServersEngineIsTheDefaultOfEachRequest) {
  RunningChartServer classic(2, Engine::Classic);
  auto client = classic.Client();
  const char* query = "/api/v1/chart?date=1985-07-14&time=09:20&lon=-3.7038&lat=40.4168";
  for (const auto& [engine, args] :
       {std::pair{"", "--engine classic"}, std::pair{"&engine=classic", "--engine classic"},
        std::pair{"&engine=precise", "--engine precise"}}) {
    const auto cli =
        RunCaelix(std::string("chart --json --date 1985-07-14 --time 09:20 --lon=-3.7038 --lat 40.4168 ") + args);
    ASSERT_EQ(0, cli.status) << cli.err;
    const auto res = client->Get((std::string(query) + engine).c_str());
    ASSERT_TRUE(res);
    EXPECT_EQ(cli.out, res->body + "\n") << engine;
  }
}

TEST_F(ChartServerTest, PlaceAndZoneErrorsAreTheCommandLines) {
  // Each as options of `caelix chart` and as the API's parameters: the parameter named and the reason.
  const struct {
    const char* cliArgs;
    const char* query;
    const char* parameter;
  } cases[] = {
      {"--date 2000-01-01 --time 12:00 --place Qxzqxzqx", "date=2000-01-01&time=12:00&place=Qxzqxzqx", "place"},
      {"--date 2000-01-01 --time 12:00 --place 'Paris, ZZ'", "date=2000-01-01&time=12:00&place=Paris%2C%20ZZ", "place"},
      {"--place Madrid", "place=Madrid", "place"},
      {"--tz UT --date 2000-01-01", "tz=UT&date=2000-01-01", "tz"},
      {"--date 2000-01-01 --time 12:00 --tz Mars/Olympus", "date=2000-01-01&time=12:00&tz=Mars%2FOlympus", "tz"},
      {"--date 2000-01-01 --time 12:00 --tz +16:00", "date=2000-01-01&time=12:00&tz=%2B16:00", "tz"},
      {"--date 2021-10-31 --time 02:30 --tz Europe/Berlin", "date=2021-10-31&time=02:30&tz=Europe%2FBerlin", "time"},
      {"--date 2021-03-28 --time 02:30 --place Berlin", "date=2021-03-28&time=02:30&place=Berlin", "time"},
      {"--date 2000-01-01 --time 12:00 --place Madrid --lat 95", "date=2000-01-01&time=12:00&place=Madrid&lat=95",
       "lat"},
      {"--date 2000-01-01 --time 12:00 --place Tromso --houses P", "date=2000-01-01&time=12:00&place=Tromso&houses=P",
       "place"},
      {"--date 2000-01-01 --time 12:00 --resolve later", "date=2000-01-01&time=12:00&resolve=later", "resolve"},
  };
  auto client = server_->Client();
  for (const auto& c : cases) {
    const auto cli = RunCaelix(std::string("chart ") + c.cliArgs);
    ASSERT_EQ(2, cli.status) << c.cliArgs << ": " << cli.err;
    const std::string prefix = std::string("caelix chart: --") + c.parameter + ": ";
    ASSERT_EQ(0u, cli.err.find(prefix)) << cli.err;
    const std::string why = cli.err.substr(prefix.size(), cli.err.size() - prefix.size() - 1);
    const auto res = client->Get((std::string("/api/v1/chart?") + c.query).c_str());
    ASSERT_TRUE(res);
    EXPECT_EQ(400, res->status) << c.query;
    const auto j = nlohmann::json::parse(res->body);
    EXPECT_EQ(c.parameter, j["parameter"]) << c.query;
    EXPECT_EQ(why, j["message"]) << c.query;
  }
}

// CLI11 checks --resolve's values on the command line; the API checks them itself.
TEST_F(ChartServerTest, ResolveTakesOnlyItsTwoValues) {
  auto client = server_->Client();
  for (const char* value : {"Earlier", "soonest", "", "earlier%00"}) {
    for (const char* path : {"/api/v1/chart", "/api/v1/chart.svg"}) {
      const auto res =
          client->Get((std::string(path) + "?date=2021-10-31&time=02:30&tz=Europe/Berlin&resolve=" + value).c_str());
      ASSERT_TRUE(res);
      EXPECT_EQ(400, res->status) << path << " " << value;
      const auto j = nlohmann::json::parse(res->body);
      EXPECT_EQ("resolve", j["parameter"]) << value;
      EXPECT_EQ("one of earlier, later", j["message"]) << value;
    }
  }
  EXPECT_NE(0, RunCaelix("chart --date 2021-10-31 --time 02:30 --tz Europe/Berlin --resolve soonest").status);
}

// The same candidates as `caelix places QUERY --json`, in the same order.
TEST_F(ChartServerTest, PlacesAreTheCommandLines) {
  const struct {
    const char* cliArgs;
    const char* query;
  } cases[] = {
      {"Madrid", "q=Madrid"},
      {"'Springfield, IL'", "q=Springfield%2C%20IL"},
      {"Springfield --limit 25", "q=Springfield&limit=25"},
      {"par --limit 3", "q=par&limit=3"},
      {"'münchen' --limit 1", "q=m%C3%BCnchen&limit=1"},
      {"'Sao Paulo, Brazil' --limit 1000", "limit=1000&q=Sao%20Paulo,%20Brazil"},
  };
  auto client = server_->Client();
  for (const auto& c : cases) {
    const auto cli = RunCaelix(std::string("places --json ") + c.cliArgs);
    ASSERT_EQ(0, cli.status) << c.cliArgs << ": " << cli.err;
    const auto res = client->Get((std::string("/api/v1/places?") + c.query).c_str());
    ASSERT_TRUE(res);
    EXPECT_EQ(200, res->status) << res->body;
    EXPECT_EQ("application/json; charset=utf-8", res->get_header_value("Content-Type"));
    EXPECT_EQ(cli.out, res->body + "\n") << c.query;
  }
  // No candidate: the command line says so and fails, the API answers an empty list.
  EXPECT_EQ(1, RunCaelix("places Qxzqxzqx").status);
  const auto none = client->Get("/api/v1/places?q=Qxzqxzqx");
  ASSERT_TRUE(none);
  EXPECT_EQ(200, none->status);
  EXPECT_EQ("[]", none->body);
}

TEST_F(ChartServerTest, BadPlacesRequestsGet400NamingTheParameter) {
  const struct {
    const char* query;
    const char* parameter;
  } cases[] = {
      {"", "q"},
      {"q=", "q"},
      {"q=%20%20", "q"},
      {"limit=5", "q"},
      {"q=Paris&q=Lyon", "q"},
      {"q=Paris&limit=0", "limit"},
      {"q=Paris&limit=1001", "limit"},
      {"q=Paris&limit=-3", "limit"},
      {"q=Paris&limit=ten", "limit"},
      {"q=Paris&limit=5x", "limit"},
      {"q=Paris&limit=", "limit"},
      {"q=Paris&limit=5&limit=6", "limit"},
      {"q=Paris&place=Lyon", "place"},
  };
  auto client = server_->Client();
  for (const auto& c : cases) {
    const auto res = client->Get((std::string("/api/v1/places?") + c.query).c_str());
    ASSERT_TRUE(res);
    EXPECT_EQ(400, res->status) << c.query;
    const auto j = nlohmann::json::parse(res->body);
    EXPECT_EQ(400, j["status"]);
    EXPECT_EQ(c.parameter, j["parameter"]) << c.query;
    EXPECT_FALSE(j["message"].get<std::string>().empty());
  }
  const auto post = client->Post("/api/v1/places", R"({"q": "Paris"})", "application/json");
  ASSERT_TRUE(post);
  EXPECT_EQ(405, post->status);
  EXPECT_EQ("GET", post->get_header_value("Allow"));
}

TEST_F(ChartServerTest, EveryErrorHasItsStatusAndAJsonBody) {
  const std::string big(kMaxBodyBytes + 1, ' ');
  const std::string fits = R"({"date": "2000-01-01")" + std::string(kMaxBodyBytes - 40, ' ') + "}";
  const struct {
    const char* method;
    const char* path;
    std::string body;
    int status;
    const char* parameter;  // for 400
  } cases[] = {
      {"GET", "/nowhere", "", 404, nullptr},
      {"GET", "/api/v1/chart.png.bak", "", 404, nullptr},
      {"GET", "/api/v2/chart", "", 404, nullptr},
      {"GET", "/../etc/passwd", "", 404, nullptr},
      {"GET", "/%2e%2e/etc/passwd", "", 404, nullptr},
      {"GET", "/ahouses.bin", "", 404, nullptr},
      {"POST", "/", "{}", 405, nullptr},
      {"DELETE", "/api/v1/chart", "", 405, nullptr},
      {"POST", "/api/v1/chart", big, 413, nullptr},
      {"POST", "/api/v1/chart", fits, 200, nullptr},
      {"POST", "/api/v1/chart", "date=2000-01-01", 400, "body"},
      {"POST", "/api/v1/chart", R"({"date": false})", 400, "date"},
      {"POST", "/api/v1/chart", R"({"when": "2000-01-01"})", 400, "when"},
      {"POST", "/api/v1/chart?date=2000-01-01", R"({"date": "2000-01-01"})", 400, "date"},
      {"GET", "/api/v1/chart?date=2000-01-01&date=2000-01-02", "", 400, "date"},
      {"GET", "/api/v1/chart?size=480", "", 400, "size"},
      {"GET", "/api/v1/chart?engine=Precise", "", 400, "engine"},
      {"GET", "/api/v1/chart?engine=classic&engine=precise", "", 400, "engine"},
      {"GET", "/api/v1/chart.svg?size=40", "", 400, "size"},
      {"POST", "/api/v1/chart.svg", R"({"size": 9000})", 400, "size"},
      {"GET", "/api/v1/chart.svg?theme=neon", "", 400, "theme"},
      {"GET", "/api/v1/chart.png?style=classic&theme=dark", "", 400, "theme"},
      {"PUT", "/api/v1/chart.png", "", 405, nullptr},
      {"GET", "/api/v1/chart?lat=%00", "", 400, "lat"},
      {"GET", "/api/v1/chart?lat=%ff%c3", "", 400, "lat"},
      {"GET", "/api/v1/chart?%ff=1", "", 400, "\xef\xbf\xbd"},
  };
  auto client = server_->Client();
  for (const auto& c : cases) {
    httplib::Request req;
    req.method = c.method;
    req.path = c.path;
    req.body = c.body;
    if (!c.body.empty()) req.set_header("Content-Type", "application/json");
    const auto res = client->send(req);
    ASSERT_TRUE(res) << c.method << " " << c.path;
    EXPECT_EQ(c.status, res->status) << c.method << " " << c.path << ": " << res->body;
    EXPECT_EQ("application/json; charset=utf-8", res->get_header_value("Content-Type")) << c.path;
    const auto j = nlohmann::json::parse(res->body, nullptr, false);
    ASSERT_FALSE(j.is_discarded()) << res->body;
    if (c.status == 200) continue;
    EXPECT_EQ(c.status, j["status"]) << c.path;
    EXPECT_TRUE(j["message"].is_string() && !j["message"].get<std::string>().empty()) << res->body;
    if (c.parameter != nullptr) {
      EXPECT_EQ(c.parameter, j["parameter"]) << c.path << " " << c.body;
    }
    if (c.status == 405) {
      EXPECT_FALSE(res->get_header_value("Allow").empty()) << c.path;
    }
  }
}

TEST_F(ChartServerTest, ThePageAndItsFilesAndTheHealthCheck) {
  const struct {
    const char* path;
    const char* type;
    const char* contains;
  } cases[] = {
      {"/", "text/html; charset=utf-8", "<form id=\"chart-form\""},
      {"/index.html", "text/html; charset=utf-8", "<script src=\"/app.js\""},
      {"/app.js", "text/javascript; charset=utf-8", "/api/v1/chart.svg?"},
      {"/style.css", "text/css; charset=utf-8", "#wheel svg"},
      {"/api/v1/openapi.json", "application/json; charset=utf-8", "\"openapi\": \"3.1.0\""},
      {"/healthz", "application/json; charset=utf-8", "\"status\":\"ok\""},
  };
  auto client = server_->Client();
  for (const auto& c : cases) {
    const auto res = client->Get(c.path);
    ASSERT_TRUE(res) << c.path;
    EXPECT_EQ(200, res->status) << c.path;
    EXPECT_EQ(c.type, res->get_header_value("Content-Type")) << c.path;
    EXPECT_NE(std::string::npos, res->body.find(c.contains)) << c.path;
    EXPECT_EQ("nosniff", res->get_header_value("X-Content-Type-Options")) << c.path;
  }
  // Nothing on the page is fetched from elsewhere.
  const auto page = client->Get("/");
  ASSERT_TRUE(page);
  EXPECT_EQ(std::string::npos, page->body.find("http")) << "the page names another site";
  EXPECT_NE(std::string::npos, page->get_header_value("Content-Security-Policy").find("default-src 'none'"));
}

// Requests of different charts at the same time each get their own chart, and bad requests among
// them leave the good ones and the server as they were.
TEST_F(ChartServerTest, ConcurrentGoodAndBadRequestsEachGetTheirOwnAnswer) {
  constexpr int kThreads = 6;
  constexpr int kRequestsEach = 60;
  std::vector<std::string> want;
  for (int day = 1; day <= kThreads; ++day) {
    ChartInput in;
    in.year = 1990 + day;
    in.month = day;
    in.day = day;
    in.hour = day;
    in.minute = 7.5 * day;
    in.longitude = 10.0 * day;
    in.latitude = 5.0 * day;
    in.houseIndex = day % 3;
    want.push_back(ChartToJson(ComputeChartWith(Engine::Precise, in), true));
  }
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      const int n = t + 1;
      char query[200];
      std::snprintf(query, sizeof query, "/api/v1/chart?date=%d-%02d-%02d&time=%02d:%04.1f&lon=%d&lat=%d&houses=%c",
                    1990 + n, n, n, n, 7.5 * n, 10 * n, 5 * n, "PCK"[n % 3]);
      auto client = server_->Client();
      for (int i = 0; i < kRequestsEach; ++i) {
        if (i % 3 == 1) {
          const auto bad = client->Get("/api/v1/chart?lat=91");
          if (!bad || bad->status != 400) ++wrong;
          continue;
        }
        if (i % 7 == 3) {
          const auto bad = client->Post("/api/v1/chart", "{\"date\":", "application/json");
          if (!bad || bad->status != 400) ++wrong;
          continue;
        }
        const auto res = client->Get(query);
        if (!res || res->status != 200 || res->body != want[t]) ++wrong;
      }
    });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(0, wrong.load());
  const auto health = server_->Client()->Get("/healthz");
  ASSERT_TRUE(health);
  EXPECT_EQ(200, health->status);
}

}  // namespace
}  // namespace caelix

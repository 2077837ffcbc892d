// caelix serve inside one process: the work of one chart request without HTTP (the chart and its
// JSON, pages included), then whole requests over a kept-alive loopback connection, one at a time:
// the chart, its wheel as SVG, and the place suggestions the page asks for as one types.
#include <benchmark/benchmark.h>
#include <httplib.h>

#include <stdexcept>
#include <thread>

#include "chart/precise_chart.h"
#include "cli/chart_json.h"
#include "web/chart_server.h"

namespace caelix {
namespace {

void BM_ChartJsonAnswer(benchmark::State& state) {
  ChartInput in;
  in.year = 2000;
  in.hour = 12;
  in.longitude = 14.417;
  in.latitude = 50.083;
  for (auto _ : state) benchmark::DoNotOptimize(ChartToJson(ComputeChartWith(Engine::Precise, in), true));
}
BENCHMARK(BM_ChartJsonAnswer)->Unit(benchmark::kMicrosecond);

// Answers GET path on a server of its own, one request after another on one connection.
void Serve(benchmark::State& state, const char* path) {
  ChartServer server(4);
  const auto port = server.Bind("127.0.0.1", 0);
  if (!port) throw std::runtime_error("cannot bind a port on 127.0.0.1");
  std::thread serving([&server] { server.Run(); });
  {
    httplib::Client client("127.0.0.1", *port);
    client.set_keep_alive(true);
    for (auto _ : state) {
      const auto res = client.Get(path);
      if (!res || res->status != 200) {
        state.SkipWithError("the request was not answered 200");
        break;
      }
      benchmark::DoNotOptimize(res->body.data());
    }
  }
  server.Stop();
  serving.join();
}

void BM_ServeChart(benchmark::State& s) { Serve(s, "/api/v1/chart?date=2000-01-01&time=12:00&lon=14.417&lat=50.083"); }
void BM_ServeChartWithPlace(benchmark::State& s) { Serve(s, "/api/v1/chart?date=1985-07-14&time=09:20&place=Madrid"); }
void BM_ServeWheelSvg(benchmark::State& s) { Serve(s, "/api/v1/chart.svg?date=2000-01-01&time=12:00"); }
void BM_ServePlaceSuggestions(benchmark::State& s) { Serve(s, "/api/v1/places?q=Madri&limit=8"); }
BENCHMARK(BM_ServeChart)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ServeChartWithPlace)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ServeWheelSvg)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ServePlaceSuggestions)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace caelix

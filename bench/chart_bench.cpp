// The chart itself and `caelix batch` end to end.
#include <benchmark/benchmark.h>

#include <sstream>

#include "bench_rows.h"
#include "chart/compute_chart.h"
#include "chart/precise_chart.h"
#include "cli/batch_command.h"

namespace caelix {
namespace {

void BM_ComputeChart(benchmark::State& state) {
  const auto inputs = bench::BenchInputs(256);
  std::size_t i = 0;
  ChartResult result;
  for (auto _ : state) {
    const ChartInput& in = inputs[i++ % inputs.size()];
    ComputeChart(in.day, in.hour, in.minute, in.month, in.year, in.longitude, in.latitude, in.houseCode(), result);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_ComputeChart)->Repetitions(5)->ReportAggregatesOnly(true);
// The same on both cores at once: what the hardware gives a second thread.
BENCHMARK(BM_ComputeChart)->Threads(2)->UseRealTime();

// The precise engine on the same inputs (all inside its span, 1800-2100).
void BM_ComputePreciseChart(benchmark::State& state) {
  const auto inputs = bench::BenchInputs(256);
  std::size_t i = 0;
  ChartResult result;
  for (auto _ : state) {
    const ChartInput& in = inputs[i++ % inputs.size()];
    ComputePreciseChart(in.day, in.hour, in.minute, in.month, in.year, in.longitude, in.latitude, in.houseCode(),
                        result);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_ComputePreciseChart)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// Output that goes nowhere, like `caelix batch > /dev/null`: the run is measured, not the growth
// of a 90 MB string in memory.
class DiscardingBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// `caelix batch --threads N --engine E` on 20,000 rows (E: precise = 1, classic = 0).
void BM_Batch(benchmark::State& state) {
  const std::string csv = bench::BenchCsv(bench::BenchInputs(20000));
  BatchOptions options;
  options.threads = static_cast<unsigned>(state.range(0));
  options.engine = state.range(1) == 1 ? "precise" : "classic";
  options.progress = false;
  for (auto _ : state) {
    std::istringstream in(csv);
    DiscardingBuffer discard;
    std::ostream out(&discard);
    std::ostringstream err;
    benchmark::DoNotOptimize(RunBatchCommand(options, in, out, err));
  }
  state.SetItemsProcessed(state.iterations() * 20000);
}
BENCHMARK(BM_Batch)
    ->ArgNames({"threads", "precise"})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// `caelix batch --threads 1` on 20,000 rows of the local clock and a town (header
// date,time,place,houses): each row's town looked up and its local time converted, then computed.
void BM_BatchWithPlace(benchmark::State& state) {
  static constexpr const char* kTowns[] = {
      "Madrid",  "Prague", "Springfield, IL", "Sao Paulo", "Munich",      "New Delhi", "Sydney",    "Toronto",
      "Cologne", "Tromso", "Zurich",          "Auckland",  "Mexico City", "Cairo",     "Paris, FR", "Vienna"};
  const std::string rows = bench::BenchCsv(bench::BenchInputs(20000));
  std::string csv = "date,time,place,houses\n";
  std::istringstream lines(rows);
  std::string line;
  for (std::size_t i = 0; std::getline(lines, line); ++i) {
    // date,time,lon,lat,H: keep the date and time, a town for the coordinates, Campanus everywhere
    // (Tromsø is beyond the polar circle).
    csv += line.substr(0, line.find(',', line.find(',') + 1)) + ",\"" + kTowns[i % std::size(kTowns)] + "\",C\n";
  }
  BatchOptions options;
  options.threads = 1;
  options.progress = false;
  options.resolve = "later";
  for (auto _ : state) {
    std::istringstream in(csv);
    DiscardingBuffer discard;
    std::ostream out(&discard);
    std::ostringstream err;
    if (RunBatchCommand(options, in, out, err) != 0) state.SkipWithError(err.str().substr(0, 200).c_str());
  }
  state.SetItemsProcessed(state.iterations() * 20000);
}
BENCHMARK(BM_BatchWithPlace)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace caelix

BENCHMARK_MAIN();

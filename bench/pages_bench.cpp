// The four page builders on one chart, and one table lookup.
#include <benchmark/benchmark.h>

#include "astro/ephemeris_table.h"
#include "bench_rows.h"
#include "chart/compute_chart.h"
#include "ui/pages/aspects_page.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/positions_page.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {
namespace {

struct Chart {
  ChartInput input;
  ChartResult result;
};

std::vector<Chart> Charts() {
  std::vector<Chart> charts;
  for (const ChartInput& in : bench::BenchInputs(64)) charts.push_back({in, ComputeChart(in)});
  return charts;
}

template <typename Build>
void RunPage(benchmark::State& state, Build build) {
  const std::vector<Chart> charts = Charts();
  std::size_t i = 0;
  for (auto _ : state) {
    const Chart& c = charts[i++ % charts.size()];
    benchmark::DoNotOptimize(build(c));
  }
}

void BM_PositionsPage(benchmark::State& s) {
  RunPage(s, [](const Chart& c) { return BuildPositionsText(c.input, c.result); });
}
void BM_ElementsPage(benchmark::State& s) {
  RunPage(s, [](const Chart& c) { return BuildElementsText(c.result); });
}
void BM_QuadruplicityPage(benchmark::State& s) {
  RunPage(s, [](const Chart& c) { return BuildQuadruplicityText(c.result); });
}
void BM_AspectsPage(benchmark::State& s) {
  RunPage(s, [](const Chart& c) { return BuildAspectsText(c.result); });
}
BENCHMARK(BM_PositionsPage);
BENCHMARK(BM_ElementsPage);
BENCHMARK(BM_QuadruplicityPage);
BENCHMARK(BM_AspectsPage);

// One lookup in the largest series (Lilith true, daily) at instants spread over its range.
void BM_TableLookup(benchmark::State& state) {
  const LilithTrueTable table;
  double jd = 2420810.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table.TableLongitude(jd));
    jd += 17.37;
    if (jd > 2457890.0) jd = 2420810.0;
  }
}
BENCHMARK(BM_TableLookup);

}  // namespace
}  // namespace caelix

// The chart wheel: one drawing (every paint redraws it all), one tap, and the SVG export.
#include <benchmark/benchmark.h>

#include "bench_rows.h"
#include "chart/compute_chart.h"
#include "cli/chart_svg.h"
#include "support/recording_surface.h"
#include "ui/wheel/chart_wheel.h"

namespace caelix {
namespace {

std::vector<ChartResult> BenchCharts() {
  std::vector<ChartResult> charts;
  for (const ChartInput& in : bench::BenchInputs(64)) charts.push_back(ComputeChart(in).slots);
  return charts;
}

void BM_DrawWheel(benchmark::State& state) {
  const auto charts = BenchCharts();
  std::size_t i = 0;
  ChartWheel wheel;
  for (auto _ : state) {
    RecordingSurface surface;
    wheel.DrawWheel(surface, {0, 0, 233, 233}, charts[i++ % charts.size()], "header");
    benchmark::DoNotOptimize(surface.primitives().data());
  }
}
BENCHMARK(BM_DrawWheel)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_IdentifySymbols(benchmark::State& state) {
  const auto charts = BenchCharts();
  ChartWheel wheel;
  RecordingSurface surface;
  wheel.DrawWheel(surface, {0, 0, 233, 233}, charts.front(), "header");
  const Point sun = wheel.symbolPositions()[1].point;
  for (auto _ : state) benchmark::DoNotOptimize(wheel.IdentifySymbols(sun.x, sun.y));
}
BENCHMARK(BM_IdentifySymbols);

void BM_ChartWheelSvg(benchmark::State& state) {
  const auto inputs = bench::BenchInputs(64);
  const auto charts = BenchCharts();
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t k = i++ % charts.size();
    benchmark::DoNotOptimize(ChartWheelSvg(inputs[k], charts[k], 480));
  }
}
BENCHMARK(BM_ChartWheelSvg)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace caelix

// The chart wheel: one drawing (every paint redraws it all), one tap, and the SVG export; the
// modern wheel's layout, its SVG (at 480 and 1600 pixels, with the table) and its PNG.
#include <benchmark/benchmark.h>

#include "bench_rows.h"
#include "chart/compute_chart.h"
#include "cli/chart_svg.h"
#include "platform/png_raster.h"
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

// The modern wheel of the n-th chart at size pixels, as `caelix chart --svg` draws it.
WheelPictureOptions ModernPicture(benchmark::State& state) {
  WheelPictureOptions picture;
  picture.modern.size = static_cast<int>(state.range(0));
  picture.modern.table = state.range(1) != 0;
  picture.modern.name = "A Name";
  return picture;
}

void BM_ModernWheelLayout(benchmark::State& state) {
  const auto inputs = bench::BenchInputs(64);
  const auto charts = BenchCharts();
  const WheelPictureOptions picture = ModernPicture(state);
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t k = i++ % charts.size();
    benchmark::DoNotOptimize(LayoutModernWheel(inputs[k], charts[k], picture.modern).bodies.data());
  }
}
BENCHMARK(BM_ModernWheelLayout)->Args({480, 0})->Unit(benchmark::kMicrosecond);

void BM_ModernWheelSvg(benchmark::State& state) {
  const auto inputs = bench::BenchInputs(64);
  const auto charts = BenchCharts();
  const WheelPictureOptions picture = ModernPicture(state);
  std::size_t i = 0;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::size_t k = i++ % charts.size();
    const std::string svg = WheelPictureSvg(inputs[k], charts[k], picture);
    bytes += svg.size();
    benchmark::DoNotOptimize(svg.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ModernWheelSvg)->Args({480, 0})->Args({1600, 1})->Unit(benchmark::kMicrosecond);

// The SVG and its raster through librsvg, as `caelix chart --png` makes it.
void BM_ModernWheelPng(benchmark::State& state) {
  const auto inputs = bench::BenchInputs(8);
  std::vector<ChartResult> charts;
  for (const ChartInput& in : inputs) charts.push_back(ComputeChart(in).slots);
  const WheelPictureOptions picture = ModernPicture(state);
  std::size_t i = 0;
  std::string error;
  for (auto _ : state) {
    const std::size_t k = i++ % charts.size();
    const auto png = RenderSvgToPng(WheelPictureSvg(inputs[k], charts[k], picture), error);
    if (!png) {
      state.SkipWithError(error.c_str());
      break;
    }
    benchmark::DoNotOptimize(png->data());
  }
}
BENCHMARK(BM_ModernWheelPng)->Args({480, 0})->Args({1600, 1})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace caelix

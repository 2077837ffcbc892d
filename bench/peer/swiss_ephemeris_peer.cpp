// The peer: the same 34 slots computed with the Swiss Ephemeris for the same inputs, so that both
// are measured in one run. Bodies at t and t+1 with and without equatorial coordinates, the angles
// and cusps from swe_houses_ex, the tabulated bodies from its own files.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <array>

#include "bench_rows.h"

namespace caelix {
namespace {

constexpr std::array<int, 11> kBodies = {SE_SUN,    SE_MOON,   SE_MERCURY, SE_VENUS, SE_MARS,     SE_JUPITER,
                                         SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE};
constexpr std::array<int, 12> kTableBodies = {
    SE_MEAN_APOG,          SE_OSCU_APOG,           SE_WHITE_MOON,         SE_WALDEMATH,          SE_CHIRON,
    SE_AST_OFFSET + 433,   SE_AST_OFFSET + 136199, SE_AST_OFFSET + 90377, SE_AST_OFFSET + 90482, SE_AST_OFFSET + 50000,
    SE_AST_OFFSET + 20000, SE_AST_OFFSET + 28978};

struct PeerSlots {
  std::array<double, 34 * 4> values{};
};

PeerSlots PeerChart(const ChartInput& in) {
  PeerSlots out;
  char error[AS_MAXCH];
  double xx[6];
  const double jdUT = swe_julday(static_cast<int>(in.year), static_cast<int>(in.month), static_cast<int>(in.day),
                                 in.hour + in.minute / 60.0, SE_GREG_CAL);
  const double jde = jdUT + swe_deltat_ex(jdUT, SEFLG_SWIEPH, error);
  std::size_t k = 0;
  for (int body : kBodies) {
    for (double t : {jde, jde + 1.0}) {
      swe_calc(t, body, SEFLG_SWIEPH, xx, error);
      out.values[k++] = xx[0];
      swe_calc(t, body, SEFLG_SWIEPH | SEFLG_EQUATORIAL, xx, error);
      out.values[k++] = xx[1];
    }
  }
  double cusps[13];
  double ascmc[10];
  swe_houses_ex(jdUT, 0, in.latitude, in.longitude, in.houseCode(), cusps, ascmc);
  for (int c : {2, 3, 11, 12}) out.values[k++] = cusps[c];
  for (int a : {0, 1, 3}) out.values[k++] = ascmc[a];
  for (int body : kTableBodies) {
    for (double t : {jde, jde + 1.0}) {
      swe_calc(t, body, SEFLG_SWIEPH, xx, error);
      out.values[k++] = xx[0];
    }
  }
  return out;
}

void OpenEphemeris() {
  static const bool opened = [] {
    swe_set_ephe_path(const_cast<char*>(CAELIX_EPHE_PATH));
    return true;
  }();
  (void)opened;
}

void BM_PeerChart(benchmark::State& state) {
  OpenEphemeris();
  const auto inputs = bench::BenchInputs(256);
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(PeerChart(inputs[i++ % inputs.size()]));
}
BENCHMARK(BM_PeerChart)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PeerBatch(benchmark::State& state) {
  OpenEphemeris();
  const auto inputs = bench::BenchInputs(20000);
  for (auto _ : state) {
    for (const ChartInput& in : inputs) benchmark::DoNotOptimize(PeerChart(in));
  }
  state.SetItemsProcessed(state.iterations() * 20000);
}
BENCHMARK(BM_PeerBatch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace caelix

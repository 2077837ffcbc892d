// The atlas and the time zones inside one process: a lookup by name, with a qualifier, the
// beginning of a name as the helper dialog asks while typing, and a local time to UT.
#include <benchmark/benchmark.h>

#include "places/atlas.h"
#include "places/clock_zone.h"
#include "places/local_time.h"

namespace caelix {
namespace {

void FindPlace(benchmark::State& state, const char* query) {
  const Atlas& atlas = Atlas::Embedded();
  for (auto _ : state) benchmark::DoNotOptimize(atlas.Find(query, 10));
}

void BM_AtlasLookup(benchmark::State& s) { FindPlace(s, "Madrid"); }
void BM_AtlasLookupAlternateName(benchmark::State& s) { FindPlace(s, "Munich"); }
void BM_AtlasLookupWithRegion(benchmark::State& s) { FindPlace(s, "Springfield, IL"); }
void BM_AtlasLookupBeginning(benchmark::State& s) { FindPlace(s, "San"); }
BENCHMARK(BM_AtlasLookup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AtlasLookupAlternateName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AtlasLookupWithRegion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AtlasLookupBeginning)->Unit(benchmark::kMicrosecond);

void BM_LocalToUt(benchmark::State& state) {
  const ClockZone zone = ParseClockZone("Europe/Madrid").zone;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LocalToUt({1985, 7, 14, 9, 20.0}, zone, -3.7, ClockChoice::Refuse));
  }
}
BENCHMARK(BM_LocalToUt)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace caelix

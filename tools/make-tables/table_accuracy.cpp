// table-accuracy: computes random charts from 1800 to 2099 and compares every tabulated body the
// chart holds, and Pluto where it comes from its tabulated series (outside 1805-2030), with the
// Swiss Ephemeris at the same instant (TT); a table body without a value must lie outside its
// table's range and one with a value inside it. Prints the largest deviation per body; exit status
// 1 when any body misses its tolerance or its range.
#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "astro/pluto.h"
#include "astro/table_lookup.h"
#include "chart/compute_chart.h"
#include "tools/make-tables/table_series_list.h"

namespace caelix::tools {
namespace {

constexpr const char* kUsage =
    "usage: table-accuracy --ephe-path PATH [--charts N] [--seed S]\n"
    "\n"
    "Computes N random charts (default 1000) between 1800 and 2099 and compares the twelve\n"
    "tabulated bodies, and Pluto outside 1805-2030, with the Swiss Ephemeris at the same instant.\n"
    "\n"
    "  --ephe-path PATH  colon-separated folders with the ephemeris files\n"
    "  --charts N        number of charts, 1 to 10000000\n"
    "  --seed S          seed of the random dates (default 1)\n"
    "  --help            show this text\n";

struct BodyCheck {
  BodyId id;
  std::size_t source;  // index into kSeriesSources
  double toleranceDeg;
  double lowerJd;  // the range in which the chart must hold a value, inclusive
  double upperJd;
};

constexpr BodyCheck Check(BodyId id, std::size_t source, double toleranceDeg) {
  const tables::SeriesGrid& grid = kSeriesSources[source].grid;
  return {id, source, toleranceDeg, SeriesLowerJd(grid), SeriesUpperJd(grid)};
}

constexpr std::array<BodyCheck, kTableBodyCount> kChecks{{
    Check(BodyId::Lilith, 0, 0.01),
    Check(BodyId::LilithTrue, 1, 0.05),
    Check(BodyId::Selena, 2, 0.01),
    Check(BodyId::Waldemath, 3, 0.01),
    Check(BodyId::Chiron, 4, 0.01),
    Check(BodyId::Eros, 5, 0.01),
    Check(BodyId::Eris, 6, 0.01),
    Check(BodyId::Sedna, 7, 0.01),
    Check(BodyId::Orcus, 8, 0.01),
    Check(BodyId::Quaoar, 9, 0.01),
    Check(BodyId::Varuna, 10, 0.01),
    Check(BodyId::Ixion, 11, 0.01),
}};

// Pluto from its tabulated series: the chart's apparent longitude against the library's.
constexpr double kPlutoToleranceDeg = 0.01;

struct Tally {
  double maxDeviationDeg = 0.0;
  double worstJd = 0.0;
  long compared = 0;
  long withoutValue = 0;
  long rangeErrors = 0;
};

double SignedDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}

// Checks one stored longitude at the instant jde; false when the ephemeris could not answer.
bool CheckValue(const BodyCheck& c, double stored, double jde, Tally& t) {
  const bool inRange = jde >= c.lowerJd && jde <= c.upperJd;
  if (stored == kNoLongitude) {
    ++t.withoutValue;
    if (inRange) ++t.rangeErrors;
    return true;
  }
  if (!inRange) ++t.rangeErrors;
  double xx[6] = {};
  char err[AS_MAXCH] = {};
  const SeriesSource& s = kSeriesSources[c.source];
  const int rc = swe_calc(jde, s.sweBody, s.sweFlags, xx, err);
  if (rc < 0 || (rc & SEFLG_SWIEPH) == 0) {
    std::fprintf(stderr, "table-accuracy: %s at JD %.5f: %s\n", s.body, jde, err);
    return false;
  }
  const double deviation = std::fabs(SignedDifference(stored, xx[0]));
  ++t.compared;
  if (deviation > t.maxDeviationDeg) {
    t.maxDeviationDeg = deviation;
    t.worstJd = jde;
  }
  return true;
}

// Checks Pluto's stored longitude at jde where it comes from the tabulated series (outside the
// long series' range, inside the table's); elsewhere counts it as not compared.
bool CheckPluto(double stored, double jde, Tally& t) {
  const bool fromTable = (jde < kPlutoLongSeriesFirstJd || jde > kPlutoLongSeriesLastJd) &&
                         jde >= SeriesLowerJd(tables::kPlutoGrid) && jde <= SeriesUpperJd(tables::kPlutoGrid);
  if (!fromTable) {
    ++t.withoutValue;
    return true;
  }
  double xx[6] = {};
  char err[AS_MAXCH] = {};
  const int rc = swe_calc(jde, SE_PLUTO, SEFLG_SWIEPH, xx, err);
  if (rc < 0 || (rc & SEFLG_SWIEPH) == 0) {
    std::fprintf(stderr, "table-accuracy: Pluto at JD %.5f: %s\n", jde, err);
    return false;
  }
  const double deviation = std::fabs(SignedDifference(stored, xx[0]));
  ++t.compared;
  if (deviation > t.maxDeviationDeg) {
    t.maxDeviationDeg = deviation;
    t.worstJd = jde;
  }
  return true;
}

int Run(const std::string& ephePath, long charts, unsigned long seed) {
  swe_set_ephe_path(const_cast<char*>(ephePath.c_str()));
  std::mt19937_64 random(seed);
  std::uniform_int_distribution<int> year(1800, 2099), month(1, 12), day(1, 28), hour(0, 23);
  std::uniform_real_distribution<double> minute(0.0, 60.0);
  std::array<Tally, kChecks.size()> tallies{};
  Tally pluto;
  for (long i = 0; i < charts; ++i) {
    const double d = day(random), h = hour(random), mi = minute(random), mo = month(random), y = year(random);
    ChartResult r;
    ComputeChart(d, h, mi, mo, y, 13.4, 52.5, 'P', r);
    const double jde = ComputeInstants(d, h, mi, mo, y).jde;
    for (std::size_t k = 0; k < kChecks.size(); ++k) {
      const BodySlot& slot = r[kChecks[k].id];
      if (!CheckValue(kChecks[k], slot.longitude, jde, tallies[k]) ||
          !CheckValue(kChecks[k], slot.longitudeNext, jde + 1.0, tallies[k])) {
        return 1;
      }
    }
    const BodySlot& p = r[BodyId::Pluto];
    if (!CheckPluto(p.longitude, jde, pluto) || !CheckPluto(p.longitudeNext, jde + 1.0, pluto)) return 1;
  }
  swe_close();

  bool ok = true;
  std::printf("%-12s %10s %10s %14s %10s %8s %s\n", "body", "compared", "no value", "max dev (deg)", "at JD", "limit",
              "result");
  for (std::size_t k = 0; k < kChecks.size(); ++k) {
    const Tally& t = tallies[k];
    const bool pass = t.maxDeviationDeg <= kChecks[k].toleranceDeg && t.rangeErrors == 0 && t.compared > 0;
    ok = ok && pass;
    std::printf("%-12s %10ld %10ld %14.7f %10.2f %8.3f %s", std::string(BodyKey(kChecks[k].id)).c_str(), t.compared,
                t.withoutValue, t.maxDeviationDeg, t.worstJd, kChecks[k].toleranceDeg, pass ? "ok" : "FAIL");
    if (t.rangeErrors > 0) std::printf(" (%ld values against the table's range)", t.rangeErrors);
    std::printf("\n");
  }
  const bool plutoPass = pluto.maxDeviationDeg <= kPlutoToleranceDeg && pluto.compared > 0;
  ok = ok && plutoPass;
  std::printf("%-12s %10ld %10ld %14.7f %10.2f %8.3f %s (from its table; \"no value\": other series)\n", "Pluto",
              pluto.compared, pluto.withoutValue, pluto.maxDeviationDeg, pluto.worstJd, kPlutoToleranceDeg,
              plutoPass ? "ok" : "FAIL");
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace caelix::tools

int main(int argc, char** argv) {
  std::string ephePath;
  long charts = 1000;
  unsigned long seed = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      std::fputs(caelix::tools::kUsage, stdout);
      return 0;
    }
    bool good = hasValue;
    if (good && arg == "--ephe-path") {
      ephePath = argv[++i];
    } else if (good && (arg == "--charts" || arg == "--seed")) {
      const std::string value = argv[++i];
      std::size_t used = 0;
      try {
        const unsigned long n = std::stoul(value, &used);
        if (arg == "--charts") {
          good = n >= 1 && n <= 10000000;
          charts = static_cast<long>(n);
        } else {
          seed = n;
        }
      } catch (const std::exception&) {
        good = false;
      }
      good = good && used == value.size() && value[0] != '-';
    } else {
      good = false;
    }
    if (!good) {
      std::fprintf(stderr, "table-accuracy: bad argument '%s'\n\n%s", argv[i], caelix::tools::kUsage);
      return 2;
    }
  }
  if (ephePath.empty()) {
    std::fputs(caelix::tools::kUsage, stderr);
    return 2;
  }
  return caelix::tools::Run(ephePath, charts, seed);
}

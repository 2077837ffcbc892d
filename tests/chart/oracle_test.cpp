// The chart against its oracle, the reference build of the same computation (the C library's
// trigonometry, the plain iterations): every slot within 1e-9 degrees for years -3000 to 3000,
// finite and in range beyond, and the four page texts the same except where a value of the
// oracle lies within 1e-9 degrees of a rounding step of the text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "astro/angles.h"
#include "chart/compute_chart.h"
#include "reference/reference_chart.h"
#include "ui/pages/aspects_page.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/positions_page.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {
namespace {

constexpr double kToleranceDeg = 1e-9;

// A random input of the given years, at any hour, place and house system.
class InputSource {
 public:
  InputSource(std::uint64_t seed, int firstYear, int lastYear, double lowestLatitude = -65.99,
              double highestLatitude = 65.99)
      : rng_(seed), years_(firstYear, lastYear), latitudes_(lowestLatitude, highestLatitude) {}

  ChartInput Next() {
    ChartInput in;
    in.year = years_(rng_);
    in.month = 1 + static_cast<int>(Unit() * 12);
    in.day = 1 + static_cast<int>(Unit() * 28);
    in.hour = static_cast<int>(Unit() * 24);
    in.minute = Unit() * 59.99;
    in.longitude = -180.0 + 360.0 * Unit();
    in.latitude = latitudes_(rng_);
    in.houseIndex = static_cast<int>(Unit() * 3);
    return in;
  }

 private:
  double Unit() { return unit_(rng_); }
  std::mt19937_64 rng_;
  std::uniform_int_distribution<int> years_;
  std::uniform_real_distribution<double> latitudes_;
  std::uniform_real_distribution<double> unit_{0.0, 1.0};
};

std::string Describe(const ChartInput& in) {
  return std::to_string(in.year) + "-" + std::to_string(in.month) + "-" + std::to_string(in.day) + " " +
         std::to_string(in.hour) + ":" + std::to_string(in.minute) + " at " + std::to_string(in.longitude) + ", " +
         std::to_string(in.latitude) + " house " + std::to_string(in.houseIndex);
}

// The difference of two values of one field: angular for longitudes, plain for declinations.
double FieldDifference(int field, double want, double got) {
  return field % 2 == 0 ? AngularDistance(want, got) : std::fabs(want - got);
}

TEST(ChartOracle, EverySlotWithin1e9DegreesForYearsMinus3000To3000) {
  struct Range {
    int firstYear, lastYear, charts;
    double lowestLatitude = -65.99, highestLatitude = 65.99;
  };
  // The whole range, the centuries of most charts more densely, the ends of the range, and the
  // latitudes near the limit, where the house iterations converge slowest.
  const Range ranges[] = {{-3000, 3000, 4000},
                          {1800, 2100, 2000},
                          {-3000, -2990, 300},
                          {2990, 3000, 300},
                          {-3000, 3000, 1500, 60, 65.99},
                          {-3000, 3000, 1500, -65.99, -60}};
  double worst = 0.0;
  for (const Range& range : ranges) {
    InputSource source(static_cast<std::uint64_t>(range.firstYear) * 7919u + 20u, range.firstYear, range.lastYear,
                       range.lowestLatitude, range.highestLatitude);
    for (int i = 0; i < range.charts; ++i) {
      const ChartInput in = source.Next();
      const ChartResult want = ReferenceChart(in);
      const ChartResult got = ComputeChart(in);
      for (std::size_t id = 1; id < kBodyCount; ++id) {
        const double w[] = {want.slots[id].longitude, want.slots[id].declination, want.slots[id].longitudeNext,
                            want.slots[id].declinationNext};
        const double g[] = {got.slots[id].longitude, got.slots[id].declination, got.slots[id].longitudeNext,
                            got.slots[id].declinationNext};
        for (int f = 0; f < 4; ++f) {
          const double d = FieldDifference(f, w[f], g[f]);
          worst = std::max(worst, d);
          ASSERT_LE(d, kToleranceDeg) << BodyKey(static_cast<BodyId>(id)) << " field " << f << " of " << Describe(in)
                                      << ": want " << w[f] << " (reference build), got " << g[f] << ", difference "
                                      << d;
        }
      }
    }
  }
  std::printf("largest difference from the reference build: %.3g degrees\n", worst);
}

TEST(ChartOracle, FiniteAndInRangeBeyondTheYears) {
  const struct {
    int firstYear, lastYear;
  } ranges[] = {{-999999, -3001}, {3001, 999999}, {-30000, -3001}, {3001, 30000}};
  for (const auto& range : ranges) {
    InputSource source(static_cast<std::uint64_t>(range.lastYear) + 1000003u, range.firstYear, range.lastYear);
    for (int i = 0; i < 500; ++i) {
      const ChartInput in = source.Next();
      const ChartResult r = ComputeChart(in);
      for (std::size_t id = 1; id < kBodyCount; ++id) {
        const BodySlot& s = r.slots[id];
        const bool single = IsSingleInstant(static_cast<BodyId>(id));
        for (const double lon : {s.longitude, single ? 0.0 : s.longitudeNext}) {
          ASSERT_TRUE(lon == kNoLongitude || (lon >= 0.0 && lon < 360.0))
              << BodyKey(static_cast<BodyId>(id)) << " of " << Describe(in) << ": longitude " << lon;
        }
        for (const double dec : {s.declination, single ? 0.0 : s.declinationNext}) {
          ASSERT_TRUE(dec == kNoDeclination || (dec >= -90.0 && dec <= 90.0))
              << BodyKey(static_cast<BodyId>(id)) << " of " << Describe(in) << ": declination " << dec;
        }
      }
    }
  }
}

// The four texts a person reads of one chart.
std::string Pages(const ChartInput& in, const ChartResult& r) {
  return BuildPositionsText(in, r) + "\n--\n" + BuildElementsText(r) + "\n--\n" + BuildQuadruplicityText(r) + "\n--\n" +
         BuildAspectsText(r);
}

// True when moving one value of the reference chart by 1e-9 degrees changes its texts: the value
// lies within 1e-9 degrees of a rounding step of a text.
bool NearARoundingStep(const ChartInput& in, const ChartResult& reference) {
  const std::string pages = Pages(in, reference);
  for (std::size_t id = 1; id < kBodyCount; ++id) {
    for (double BodySlot::*field :
         {&BodySlot::longitude, &BodySlot::declination, &BodySlot::longitudeNext, &BodySlot::declinationNext}) {
      for (const double shift : {-kToleranceDeg, kToleranceDeg}) {
        ChartResult moved = reference;
        moved.slots[id].*field += shift;
        if (Pages(in, moved) != pages) return true;
      }
    }
  }
  return false;
}

TEST(ChartOracle, PageTextsTheSameOn100000ChartsFrom1800To2100) {
  InputSource source(1800, 1800, 2100);
  int differing = 0;
  for (int i = 0; i < 100000; ++i) {
    const ChartInput in = source.Next();
    const ChartResult want = ReferenceChart(in);
    const ChartResult got = ComputeChart(in);
    if (std::memcmp(&want, &got, sizeof want) == 0) continue;  // the same values give the same texts
    const std::string wantPages = Pages(in, want);
    const std::string gotPages = Pages(in, got);
    if (wantPages == gotPages) continue;
    ++differing;
    ASSERT_TRUE(NearARoundingStep(in, want)) << "chart " << i << ", " << Describe(in)
                                             << ": the texts differ away from any rounding step.\nwant (reference "
                                                "build):\n"
                                             << wantPages << "\ngot:\n"
                                             << gotPages;
  }
  std::printf("charts whose texts differ at a rounding step: %d of 100000\n", differing);
}

}  // namespace
}  // namespace caelix

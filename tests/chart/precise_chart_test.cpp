// The precise engine's chart: which engine computes which instant, the hand-over to the classic
// engine outside the precise span, and sound values over the whole input domain.
#include "chart/precise_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "chart/compute_chart.h"

namespace caelix {
namespace {

struct EngineCase {
  double day, hour, minute, month, year;
  Engine want;
};

constexpr EngineCase kEngineCases[] = {
    // The span is Pluto's table: 21 January 1800 12h to 7 February 2100 12h TT, jde + 1 included.
    {21.0, 12.0, 0.0, 1.0, 1800.0, Engine::Precise}, {21.0, 11.0, 59.0, 1.0, 1800.0, Engine::Classic},
    {5.0, 12.0, 0.0, 2.0, 2100.0, Engine::Precise},  {6.0, 12.0, 0.0, 2.0, 2100.0, Engine::Classic},
    {14.0, 7.0, 20.0, 7.0, 1985.0, Engine::Precise}, {15.0, 12.0, 0.0, 3.0, -44.0, Engine::Classic},
    {1.0, 0.0, 0.0, 1.0, 99999.0, Engine::Classic},  {1.0, 0.0, 0.0, 1.0, -9999.0, Engine::Classic},
};

TEST(PreciseChart, EngineByInstant) {
  for (const EngineCase& c : kEngineCases) {
    ChartResult r;
    const Engine got = ComputePreciseChart(c.day, c.hour, c.minute, c.month, c.year, -3.7, 40.4, 'P', r);
    EXPECT_EQ(EngineName(c.want), EngineName(got)) << c.year << "-" << c.month << "-" << c.day << " " << c.hour;
  }
}

// Outside its span the precise engine hands the chart to the classic one, bit for bit.
TEST(PreciseChart, OutsideItsSpanTheClassicChartBitForBit) {
  for (const EngineCase& c : kEngineCases) {
    if (c.want != Engine::Classic) continue;
    for (char house : {'P', 'C', 'K'}) {
      ChartResult precise, classic;
      ComputePreciseChart(c.day, c.hour, c.minute, c.month, c.year, 12.5, -33.9, house, precise);
      ComputeChart(c.day, c.hour, c.minute, c.month, c.year, 12.5, -33.9, house, classic);
      EXPECT_EQ(0, std::memcmp(&precise, &classic, sizeof precise)) << "year " << c.year << " " << house;
    }
  }
}

// Inside it every computed slot differs from the classic one by less than the classic engine's
// own error (a few arcminutes at most), and the angles lie where an Ascendant and MC can.
TEST(PreciseChart, CloseToTheClassicChart) {
  ChartResult precise, classic;
  ComputePreciseChart(14.0, 7.0, 20.0, 7.0, 1985.0, -3.7038, 40.4168, 'P', precise);
  ComputeChart(14.0, 7.0, 20.0, 7.0, 1985.0, -3.7038, 40.4168, 'P', classic);
  for (int i = 1; i <= static_cast<int>(BodyId::PartOfDaimon); ++i) {
    const auto id = static_cast<BodyId>(i);
    const double d = std::fabs(std::remainder(precise[id].longitude - classic[id].longitude, 360.0));
    EXPECT_LT(d, 0.1) << BodyKey(id) << ": precise " << precise[id].longitude << ", classic " << classic[id].longitude;
  }
}

// Every input the program admits gives clean values: finite, longitudes in [0, 360).
TEST(PreciseChart, WholeDomainGivesCleanCharts) {
  std::mt19937_64 random(19);
  std::uniform_real_distribution<double> year(-9999.0, 99999.0), lat(-65.999, 65.999), lon(-360.0, 360.0),
      unit(0.0, 1.0), nearSpan(1790.0, 2110.0);
  for (int i = 0; i < 3000; ++i) {
    const double y = std::floor(i % 2 == 0 ? year(random) : nearSpan(random));
    const double month = 1.0 + std::floor(unit(random) * 12.0);
    const double day = 1.0 + std::floor(unit(random) * 28.0);
    const double hour = std::floor(unit(random) * 24.0);
    const double minute = unit(random) * 60.0;
    const char house = "PCK"[i % 3];
    ChartResult r;
    ComputePreciseChart(day, hour, minute, month, y, lon(random), lat(random), house, r);
    for (int k = 1; k < static_cast<int>(kBodyCount); ++k) {
      const auto id = static_cast<BodyId>(k);
      const BodySlot& s = r[id];
      ASSERT_TRUE(std::isfinite(s.longitude) && std::isfinite(s.declination)) << BodyKey(id) << " year " << y;
      ASSERT_TRUE((s.longitude >= 0.0 && s.longitude < 360.0) || s.longitude == kNoLongitude)
          << BodyKey(id) << " " << s.longitude << " year " << y;
      if (!IsSingleInstant(id)) {
        ASSERT_TRUE((s.longitudeNext >= 0.0 && s.longitudeNext < 360.0) || s.longitudeNext == kNoLongitude)
            << BodyKey(id) << " next " << s.longitudeNext << " year " << y;
      }
    }
  }
}

}  // namespace
}  // namespace caelix

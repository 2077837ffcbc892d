#include <gtest/gtest.h>

#include "chart/compute_chart.h"
#include "support/near.h"
#include "ui/pages/position_format.h"

namespace caelix {
namespace {

using testing::NearAngle;

TEST(ChartPluto, TheDayBeforeASwitchShowsTheTrueMotion) {
  // One instant on each side of a switch between Pluto's long series and its table. The reference
  // is the Swiss Ephemeris 2.10.03, swe_calc(jde, SE_PLUTO, SEFLG_SWIEPH), at the chart's jde and
  // jde + 1. Before the table the short series read 0.10 here (the true motion 0.02). Within 30
  // days of a switch the table is carried over to the long series, which keeps within 0.007 degree
  // (25") of the reference.
  constexpr double kLongSeries = 0.007;
  struct Case {
    const char* date;
    double day, hour, minute, month, year;
    double swissNow, swissNext;
  } const cases[] = {
      {"2029-12-31 12h UT", 31, 12, 0, 12, 2029, 309.150879, 309.178909},
      {"1804-12-31 12h UT", 31, 12, 0, 12, 1804, 337.794827, 337.811177},
  };
  for (const Case& c : cases) {
    ChartResult r;
    ComputeChart(c.day, c.hour, c.minute, c.month, c.year, 13.4, 52.5, 'P', r);
    const BodySlot& pluto = r[BodyId::Pluto];
    EXPECT_TRUE(NearAngle(c.swissNow, pluto.longitude, kLongSeries)) << c.date;
    EXPECT_TRUE(NearAngle(c.swissNext, pluto.longitudeNext, kLongSeries)) << c.date;
    EXPECT_EQ(FormatMotion(c.swissNow, c.swissNext), FormatMotion(pluto.longitude, pluto.longitudeNext)) << c.date;
  }
}

}  // namespace
}  // namespace caelix

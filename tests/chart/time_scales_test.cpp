#include "chart/time_scales.h"

#include <gtest/gtest.h>

#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;

TEST(JulianDay, MeeusCasesReformAndNegativeYears) {
  struct Case {
    double day, month, year, want;
  } const cases[] = {
      {1.5, 1, 2000, 2451545.0},   {4.81, 10, 1957, 2436116.31}, {28.0, 2, 2006, 2453794.5}, {4.5, 10, 1582, 2299160.0},
      {15.5, 10, 1582, 2299161.0}, {15.0, 10, 1582, 2299170.5},  {1.0, 1, -1000, 1355807.5}, {1.0, 1, 0, 1721057.5},
      {31.0, 12, 1582, 2299237.5}, {1.5, 1, -4712, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Near(c.want, JulianDay(c.day, c.month, c.year), 1e-9)) << c.day << "." << c.month << "." << c.year;
  }
}

TEST(CalendarDate, InvertsJulianDay) {
  struct Case {
    double jd, day, month, year;
  } const cases[] = {
      {2299160.5, 15, 10, 1582}, {2299159.5, 4, 10, 1582}, {2451545.0, 1.5, 1, 2000},
      {2453794.5, 28, 2, 2006},  {1355807.5, 1, 1, -1000}, {2454160.5, 1, 3, 2007},
  };
  for (const Case& c : cases) {
    const CalendarDateValue d = CalendarDate(c.jd);
    EXPECT_TRUE(Near(c.day, d.day, 1e-9)) << c.jd;
    EXPECT_EQ(c.month, d.month) << c.jd;
    EXPECT_EQ(c.year, d.year) << c.jd;
  }
}

TEST(CalendarDate, RoundTripsEveryDayOfFourCenturies) {
  for (double jd = 2305447.5; jd < 2451545.0 + 36525.0; jd += 1.0) {
    const CalendarDateValue d = CalendarDate(jd);
    ASSERT_EQ(jd, JulianDay(d.day, d.month, d.year)) << jd;
  }
}

TEST(DeltaT, BothModelsAndTheStepAt2000) {
  struct Case {
    double jd, seconds, tolerance;
  } const cases[] = {
      {2415020.0, 0.0, 0.0},     {2415020.5, -0.87, 0.005}, {2433282.5, 23.60, 0.005}, {2451544.4, 71.04, 0.005},
      {2451544.5, 71.04, 0.005}, {2451545.0, 66.03, 0.005}, {2453794.5, 72.50, 0.005},
  };
  for (const Case& c : cases) {
    const double got = (DynamicalTime(c.jd) - c.jd) * 86400.0;
    EXPECT_TRUE(Near(c.seconds, got, c.tolerance + 1e-4)) << c.jd;
  }
  EXPECT_EQ(2415020.0, DynamicalTime(2415020.0));
  EXPECT_GT(DeltaTSeconds(2451544.5) - DeltaTSeconds(2451544.5 + 1e-6), 4.9);
}

}  // namespace
}  // namespace caelix

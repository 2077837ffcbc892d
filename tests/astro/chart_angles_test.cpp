#include "astro/chart_angles.h"

#include <gtest/gtest.h>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/points.h"
#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;
using testing::NearAngle;

TEST(ChartAngles, ReferenceCaseAtJ2000) {
  const ChartAnglesValue a = ChartAngles(2451545.0, 1.5, 14.417, 50.083);
  EXPECT_TRUE(Near(294.8741, a.siderealDeg, 5e-5));
  EXPECT_TRUE(Near(49.6804, a.ascendantDeg, 5e-5));
  EXPECT_TRUE(Near(293.0440, a.mcDeg, 5e-5));
  EXPECT_TRUE(Near(19.8498, a.antiVertexDeg, 5e-5));
}

TEST(RisingPoint, AxesAtTheEquator) {
  // theta = 0 and 90 at latitude 0: MC = theta, Ascendant = theta + 90.
  const double eps = TrueObliquity(2451545.0);
  struct Case {
    double theta, ascendant;
  } const cases[] = {{0.0, 90.0}, {90.0, 180.0}};
  for (const Case& c : cases) {
    EXPECT_TRUE(NearAngle(c.ascendant, RisingPointBase(c.theta, 0.0, eps) + 90.0, 1e-9)) << c.theta;
  }
}

TEST(ChartAngles, AscendantLiesInTheHalfAfterTheMc) {
  for (double day = 1.0; day < 29.0; day += 0.173) {
    for (double lat : {-65.9, -40.0, 0.0, 33.3, 65.9}) {
      const ChartAnglesValue a = ChartAngles(2451544.5 + day, day, 14.417, lat);
      ASSERT_LT(AngularDistance(a.mcDeg, a.siderealDeg), 2.6);
      const double ahead = Normalize360(a.ascendantDeg - a.mcDeg);
      ASSERT_GT(ahead, 0.0);
      ASSERT_LT(ahead, 180.0) << day << " " << lat;
    }
  }
}

TEST(ChartAngles, NoonAddsTwelveSiderealHoursAndABit) {
  const ChartAnglesValue midnight = ChartAngles(2451544.5, 1.0, 0.0, 0.0);
  const ChartAnglesValue noon = ChartAngles(2451545.0, 1.5, 0.0, 0.0);
  EXPECT_TRUE(NearAngle(midnight.siderealDeg + 12.0 * 1.002737909 * 15.0, noon.siderealDeg, 1e-6));
}

TEST(Points, NodeAndSunMoonPoints) {
  EXPECT_TRUE(Near(259.183275, MeanNodeLongitude(2415020.0), 1e-12));
  EXPECT_TRUE(NearAngle(MeanNodeLongitude(2451545.0) - 0.0529539, MeanNodeLongitude(2451546.0), 1e-6));
  struct Case {
    double first, second, base, want;
  } const parts[] = {{10, 50, 100, 140}, {350, 20, 0, 30}, {0, 0, 359.5, 359.5}};
  for (const Case& c : parts) EXPECT_TRUE(Near(c.want, ArabicPart(c.first, c.second, c.base), 1e-12));
  struct Mid {
    double sun, moon, want;
  } const mids[] = {{350, 10, 0}, {10, 350, 0}, {100, 200, 150}, {0, 180, 90}, {180, 0, 90}, {720, 10, 5}};
  for (const Mid& c : mids) {
    EXPECT_TRUE(NearAngle(c.want, SunMoonMidpoint(c.sun, c.moon), 1e-12)) << c.sun << " " << c.moon;
  }
}

}  // namespace
}  // namespace caelix

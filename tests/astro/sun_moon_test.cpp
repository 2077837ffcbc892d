#include <gtest/gtest.h>

#include "astro/apparent_place.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;
using testing::NearAngle;

TEST(Sun, ReferenceValueAtJ2000) {
  const EclipticPosition s = SunPosition(2451545.0);
  EXPECT_TRUE(Near(280.3677, s.longitudeDeg, 5e-5));
  EXPECT_TRUE(Near(0.98332, s.radiusAu, 5e-6));
  EXPECT_EQ(0.0, s.latitudeDeg);
}

TEST(Sun, StaysInRangeAndMovesAboutOneDegreeADay) {
  for (double jd = 2415020.0; jd < 2488070.0; jd += 97.3) {
    const EclipticPosition a = SunPosition(jd);
    const EclipticPosition b = SunPosition(jd + 1.0);
    ASSERT_GE(a.longitudeDeg, 0.0);
    ASSERT_LT(a.longitudeDeg, 360.0);
    ASSERT_TRUE(NearAngle(a.longitudeDeg + 0.9856, b.longitudeDeg, 0.04)) << jd;
    ASSERT_GT(a.radiusAu, 0.983);
    ASSERT_LT(a.radiusAu, 1.017);
  }
}

TEST(Moon, ReferenceValueAndEpochArguments) {
  const EclipticPosition m = MoonPosition(2451545.0);
  EXPECT_TRUE(Near(223.3150, m.longitudeDeg, 5e-5));
  EXPECT_TRUE(Near(5.1745, m.latitudeDeg, 5e-5));
}

TEST(Moon, DailyMotionAndLatitudeBounds) {
  for (double jd = 2415020.0; jd < 2488070.0; jd += 31.7) {
    const EclipticPosition a = MoonPosition(jd);
    const EclipticPosition b = MoonPosition(jd + 1.0);
    double motion = b.longitudeDeg - a.longitudeDeg;
    if (motion < 0.0) motion += 360.0;
    ASSERT_GT(motion, 11.5) << jd;
    ASSERT_LT(motion, 15.5) << jd;
    ASSERT_LT(std::fabs(a.latitudeDeg), 5.35) << jd;
  }
}

TEST(ApparentPlace, SunAndMoonAtJ2000) {
  struct Case {
    double lambda, beta, wantLambda, wantDelta;
  } const cases[] = {
      {SunPosition(2451545.0).longitudeDeg, 0.0, 280.3581, -23.0335},
      {MoonPosition(2451545.0).longitudeDeg, MoonPosition(2451545.0).latitudeDeg, 223.3080, -10.8928},
  };
  for (const Case& c : cases) {
    const ApparentPosition a = ApparentPlace(2451545.0, c.lambda, c.beta);
    EXPECT_TRUE(Near(c.wantLambda, a.longitudeDeg, 5e-5));
    EXPECT_TRUE(Near(c.wantDelta, a.declinationDeg, 5e-5));
  }
}

TEST(ApparentPlace, PointsOnTheEclipticStayCloseAndInRange) {
  for (double lambda = 0.0; lambda < 360.0; lambda += 0.37) {
    const ApparentPosition a = ApparentPlace(2451545.0, lambda, 0.0);
    ASSERT_GE(a.longitudeDeg, 0.0);
    ASSERT_LT(a.longitudeDeg, 360.0);
    ASSERT_TRUE(NearAngle(lambda, a.longitudeDeg, 0.012)) << lambda;
    ASSERT_LT(std::fabs(a.declinationDeg), 23.46);
  }
  const ApparentPosition edge = ApparentPlace(2451545.0, 359.9999999, 0.0);
  EXPECT_LT(edge.longitudeDeg, 360.0);
}

}  // namespace
}  // namespace caelix

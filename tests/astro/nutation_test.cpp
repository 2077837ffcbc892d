#include "astro/nutation.h"

#include <gtest/gtest.h>

#include "astro/sidereal_time.h"
#include "astro/time_argument.h"
#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;

TEST(Helpers, ReferenceValuesAtJ2000) {
  const double T = CenturiesSince1900(2451545.0);
  EXPECT_TRUE(Near(1.0, T, 1e-15));
  EXPECT_TRUE(Near(23.4393, MeanObliquity(T), 5e-5));
  const NutationValue n = Nutation(T);
  EXPECT_TRUE(Near(-13.9569, n.longitudeArcsec, 5e-5));
  EXPECT_TRUE(Near(-5.7642, n.obliquityArcsec, 5e-5));
  EXPECT_TRUE(Near(23.4377, TrueObliquity(2451545.0), 5e-5));
  EXPECT_TRUE(Near(6.6643, ApparentSiderealTime0h(2451545.0), 5e-5));
}

TEST(Helpers, EpochValues) {
  EXPECT_EQ(0.0, CenturiesSince1900(2415020.0));
  EXPECT_EQ(23.452294, MeanObliquity(0.0));
  const FundamentalArguments a = ComputeFundamentalArguments(0.0);
  EXPECT_EQ(279.69668, a.L);
  EXPECT_EQ(259.183275, a.Omega);
}

TEST(SiderealTime, TheDateAt0hDecides) {
  // Every instant of one UT date shares the 0h value, up to the slow nutation terms.
  struct Case {
    double jd, sameAs;
  } const cases[] = {{2451544.9, 2451545.0}, {2451544.5, 2451545.0}, {2451545.4999, 2451545.0}};
  for (const Case& c : cases) {
    EXPECT_TRUE(Near(ApparentSiderealTime0h(c.sameAs), ApparentSiderealTime0h(c.jd), 1e-6)) << c.jd;
  }
  // The next date starts 3 min 56.56 s of sidereal time later.
  const double step = ApparentSiderealTime0h(2451545.5) - ApparentSiderealTime0h(2451545.0);
  EXPECT_TRUE(Near(0.065710, step, 1e-5));
}

}  // namespace
}  // namespace caelix

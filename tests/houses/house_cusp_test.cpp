#include "houses/house_cusp.h"

#include <gtest/gtest.h>

#include "astro/angles.h"
#include "astro/chart_angles.h"
#include "astro/nutation.h"
#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;
using testing::NearAngle;

TEST(HouseCusp, ReferenceTableAt50North) {
  struct Case {
    char code;
    double c11, c12, c2, c3;
  } const cases[] = {
      {'P', 315.6687, 351.4847, 76.0814, 94.7998},
      {'K', 325.0407, 9.5055, 76.8013, 96.5399},
      {'C', 304.5900, 330.6700, 89.5493, 103.4213},
  };
  for (const Case& c : cases) {
    const auto cusp = [&](int n) { return HouseCusp(n, 2451545.0, 50.083, 49.6804, 293.0440, c.code); };
    EXPECT_TRUE(Near(c.c11, cusp(11), 5e-5)) << c.code;
    EXPECT_TRUE(Near(c.c12, cusp(12), 5e-5)) << c.code;
    EXPECT_TRUE(Near(c.c2, cusp(2), 5e-5)) << c.code;
    EXPECT_TRUE(Near(c.c3, cusp(3), 5e-5)) << c.code;
  }
}

// Right ascension of an ecliptic longitude.
double RightAscension(double lambdaDeg, double epsDeg) {
  const double rad = DegToRad();
  return QuadrantAngle(std::cos(epsDeg * rad) * std::sin(lambdaDeg * rad), std::cos(lambdaDeg * rad));
}

TEST(HouseCusp, AtTheEquatorEverySystemStepsThirtyDegreesOfRightAscension) {
  const double jd = 2451545.0;
  const double eps = TrueObliquity(jd);
  for (double day = 1.0; day < 2.0; day += 0.0625) {
    const ChartAnglesValue a = ChartAngles(jd - 1.5 + day, day, 0.0, 0.0);
    const double ramc = RightAscensionOfMc(a.mcDeg, eps);
    struct Step {
      int cusp;
      double offset;
    } const steps[] = {{11, 30}, {12, 60}, {2, 120}, {3, 150}};
    for (char code : {'P', 'K', 'C'}) {
      for (const Step& s : steps) {
        const double cusp = HouseCusp(s.cusp, jd, 0.0, a.ascendantDeg, a.mcDeg, code);
        ASSERT_TRUE(NearAngle(ramc + s.offset, RightAscension(cusp, eps), 2e-6)) << code << s.cusp << " " << day;
      }
    }
  }
}

TEST(HouseCusp, CuspsRunInOrderAtEveryAdmittedLatitude) {
  const double jd = 2451545.0;
  for (double lat : {-65.99, -60.0, -45.0, -20.0, -0.5, 0.5, 20.0, 45.0, 60.0, 65.99}) {
    for (double day = 1.0; day < 2.0; day += 1.0 / 48.0) {
      const ChartAnglesValue a = ChartAngles(jd - 1.5 + day, day, 14.417, lat);
      for (char code : {'P', 'K', 'C'}) {
        const auto cusp = [&](int n) { return HouseCusp(n, jd, lat, a.ascendantDeg, a.mcDeg, code); };
        const double ring[] = {a.mcDeg, cusp(11), cusp(12), a.ascendantDeg, cusp(2), cusp(3), a.mcDeg + 180.0};
        double travelled = 0.0;
        for (int i = 1; i < 7; ++i) travelled += Normalize360(ring[i] - ring[i - 1]);
        ASSERT_TRUE(Near(180.0, travelled, 1e-6)) << code << " lat " << lat << " day " << day;
      }
    }
  }
}

TEST(HouseCusp, PlacidusConvergesAcrossZeroAries) {
  // A chart whose cusps straddle 0 deg: the stop test must use the angular distance.
  const double jd = 2451545.0;
  for (double day = 1.0; day < 2.0; day += 1.0 / 1440.0) {
    const ChartAnglesValue a = ChartAngles(jd - 1.5 + day, day, 0.0, 65.9);
    for (int n : {2, 3, 11, 12}) {
      const double c = HouseCusp(n, jd, 65.9, a.ascendantDeg, a.mcDeg, 'P');
      ASSERT_GE(c, 0.0);
      ASSERT_LT(c, 360.0);
    }
  }
}

TEST(CampanusCusps, FirstAndTenthAreAscendantAndMc) {
  const double rad = DegToRad();
  const double eps = TrueObliquity(2451545.0);
  const auto c = CampanusCusps(293.0440 * rad, eps * rad, 50.083 * rad);
  EXPECT_TRUE(NearAngle(293.0440, c[9], 1e-4));
  EXPECT_TRUE(NearAngle(49.6804, c[0], 2e-4));
}

}  // namespace
}  // namespace caelix

namespace caelix {
namespace {

TEST(HouseCusp, PlacidusEndsWhenTheSiderealAngleSitsOnZero) {
  // RAMC a hair either side of 0: the implied angle converges to the other side of 0/360.
  const double eps = TrueObliquity(2451545.0);
  for (double mc : {1e-13, 359.9999999999999, 0.0}) {
    const double asc = RisingPointBase(RightAscensionOfMc(mc, eps), 50.083, eps) + 90.0;
    for (int n : {2, 3, 11, 12}) {
      const double c = HouseCusp(n, 2451545.0, 50.083, asc, mc, 'P');
      EXPECT_GE(c, 0.0);
      EXPECT_LT(c, 360.0);
    }
  }
}

}  // namespace
}  // namespace caelix

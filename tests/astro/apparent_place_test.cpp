// The chart's apparent place by angle addition against the plain iterations, and its fall-back
// to them where the bounds of its small-shift polynomials do not hold.
#include "astro/apparent_place.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;
using testing::NearAngle;

TEST(ApparentPlaceByAngleAddition, AgreesWithThePlainIterationEverywhere) {
  // Instants from -3000 to 3000; longitudes round the circle, either side of 0 and 360;
  // latitudes from the ecliptic to the poles, where the fall-back takes over.
  const double jds[] = {625673.5, 2268932.5, 2451545.0, 2488069.5, 3817249.5};
  const double longitudes[] = {0.0, 1e-12, 0.004, 89.99, 90.0, 180.0, 271.3, 359.996, 359.999999999999};
  const double latitudes[] = {0.0, -5.3, 17.1, 44.0, -66.0, 78.5, -80.0, 89.9, -90.0};
  for (const double jd : jds) {
    const ApparentPlaceContext c = MakeApparentPlaceContext(ComputeNutationOfDate(jd));
    for (const double lon : longitudes) {
      for (const double lat : latitudes) {
        const ApparentPosition want = ApparentPlace(c, lon, lat);
        const ApparentPosition got = ApparentPlaceByAngleAddition(c, lon, lat);
        // Near the poles of the ecliptic the longitude moves by 1 / cos(latitude) for a given shift
        // of the place, and at them it has no meaning.
        if (std::fabs(lat) < 90.0) {
          const double tolerance = 1e-11 / std::cos(lat * DegToRad());
          EXPECT_TRUE(NearAngle(want.longitudeDeg, got.longitudeDeg, tolerance)) << jd << " " << lon << " " << lat;
        }
        EXPECT_TRUE(Near(want.declinationDeg, got.declinationDeg, 1e-11)) << jd << " " << lon << " " << lat;
        EXPECT_TRUE(got.longitudeDeg >= 0.0 && got.longitudeDeg < 360.0) << got.longitudeDeg;
      }
    }
  }
}

TEST(ApparentPlaceByAngleAddition, OutsideItsBoundsTheSameAsThePlainIteration) {
  const ApparentPlaceContext usual = MakeApparentPlaceContext(ComputeNutationOfDate(2451545.0));
  ApparentPlaceContext farNutation = usual;  // as the polynomials give it thousands of years away
  farNutation.nutationLongitudeDeg = 0.5;
  const struct {
    const ApparentPlaceContext* context;
    double lon, lat;
  } cases[] = {
      {&usual, 90.0, 60.0},        // declination 83 degrees, beyond 78
      {&usual, -5.0, 3.0},         // a longitude below 0
      {&usual, 365.0, 3.0},        // and beyond 360
      {&farNutation, 200.0, 1.0},  // nutation beyond 0.01 degrees
  };
  for (const auto& k : cases) {
    const ApparentPosition want = ApparentPlace(*k.context, k.lon, k.lat);
    const ApparentPosition got = ApparentPlaceByAngleAddition(*k.context, k.lon, k.lat);
    EXPECT_EQ(want.longitudeDeg, got.longitudeDeg) << k.lon << " " << k.lat;
    EXPECT_EQ(want.declinationDeg, got.declinationDeg) << k.lon << " " << k.lat;
  }
}

}  // namespace
}  // namespace caelix

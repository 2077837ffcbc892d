// The precise engine's series and frame against the worked examples of Meeus, Astronomical
// Algorithms (2nd ed., 1998): the complete VSOP87 for Venus, the Moon, the nutation
// and the sidereal time.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/elp_mpp02.h"
#include "astro/precise_place.h"
#include "astro/vsop87d.h"

namespace caelix {
namespace {

constexpr double kDegPerRad = 180.0 / 3.14159265358979323846;

double Reduce360(double deg) {
  const double r = std::fmod(deg, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}

// Heliocentric positions of the complete VSOP87 quoted by Meeus. Our series are truncated to
// 0.1" and moved to the IAU 2006 equinox (+0.02" in 1992), hence 0.00005 degree (0.18").
struct HeliocentricExample {
  const char* source;
  const Vsop87Body* body;
  double jde;
  double longitudeDeg, latitudeDeg, radiusAu;
};

constexpr HeliocentricExample kHeliocentricExamples[] = {
    {"Meeus example 32.a (complete VSOP87), Venus 1992 December 20 0h TD", &kVsop87dVenus, 2448976.5, 26.11412,
     -2.62060, 0.724602},
};

TEST(PreciseSeries, VsopMatchesMeeusWorkedExamples) {
  for (const HeliocentricExample& e : kHeliocentricExamples) {
    const HeliocentricState s = Vsop87dStates(*e.body, e.jde).at;
    const double l = Reduce360(s.longitudeRad * kDegPerRad);
    const double b = s.latitudeRad * kDegPerRad;
    EXPECT_NEAR(e.longitudeDeg, l, 5e-5) << e.source << ": want L " << e.longitudeDeg << ", got " << l;
    EXPECT_NEAR(e.latitudeDeg, b, 5e-5) << e.source << ": want B " << e.latitudeDeg << ", got " << b;
    EXPECT_NEAR(e.radiusAu, s.radiusAu, 3e-6) << e.source << ": want R " << e.radiusAu << ", got " << s.radiusAu;
  }
}

// The day after comes from the angle-addition formulae; it must be the series at jde + 1 itself.
TEST(PreciseSeries, DayAfterIsTheSeriesOneDayLater) {
  const Vsop87Body* bodies[] = {&kVsop87dEarth,   &kVsop87dMercury, &kVsop87dVenus,  &kVsop87dMars,
                                &kVsop87dJupiter, &kVsop87dSaturn,  &kVsop87dUranus, &kVsop87dNeptune};
  for (double jde : {2378496.5, 2451545.0, 2488433.5}) {
    for (const Vsop87Body* body : bodies) {
      const HeliocentricState viaStep = Vsop87dStates(*body, jde).dayAfter;
      const HeliocentricState direct = Vsop87dStates(*body, jde + 1.0).at;
      EXPECT_NEAR(direct.longitudeRad, viaStep.longitudeRad, 1e-12) << "JDE " << jde;
      EXPECT_NEAR(direct.latitudeRad, viaStep.latitudeRad, 1e-12) << "JDE " << jde;
      EXPECT_NEAR(direct.radiusAu, viaStep.radiusAu, 1e-12) << "JDE " << jde;
      EXPECT_NEAR(direct.longitudeRadPerDay, viaStep.longitudeRadPerDay, 1e-12) << "JDE " << jde;
    }
    const LunarPosition moonStep = ElpMoonOfDate(jde).dayAfter;
    const LunarPosition moon = ElpMoonOfDate(jde + 1.0).at;
    EXPECT_NEAR(moon.longitudeDeg, moonStep.longitudeDeg, 1e-9) << "JDE " << jde;
    EXPECT_NEAR(moon.latitudeDeg, moonStep.latitudeDeg, 1e-9) << "JDE " << jde;
    EXPECT_NEAR(moon.distanceKm, moonStep.distanceKm, 1e-6) << "JDE " << jde;
  }
}

// The rates are the derivatives of the positions: a central difference over 1/128 day agrees (a
// step that the Julian day holds exactly).
TEST(PreciseSeries, RatesAreDerivatives) {
  for (const Vsop87Body* body : {&kVsop87dMercury, &kVsop87dEarth, &kVsop87dNeptune}) {
    const double jde = 2440000.5, h = 1.0 / 256.0;
    const HeliocentricState s = Vsop87dStates(*body, jde).at;
    const HeliocentricState before = Vsop87dStates(*body, jde - h).at;
    const HeliocentricState after = Vsop87dStates(*body, jde + h).at;
    EXPECT_NEAR((after.longitudeRad - before.longitudeRad) / (2 * h), s.longitudeRadPerDay, 3e-9);
    EXPECT_NEAR((after.latitudeRad - before.latitudeRad) / (2 * h), s.latitudeRadPerDay, 3e-9);
    EXPECT_NEAR((after.radiusAu - before.radiusAu) / (2 * h), s.radiusAuPerDay, 3e-9);
  }
}

// Meeus example 47.a, the Moon 1992 April 12 0h TD: lambda 133.162655, beta -3.229126, distance
// 368409.7 km, from his abridged ELP-2000/82 (good to about 10" and 2 km on its own account).
TEST(PreciseSeries, MoonMatchesMeeusExample47a) {
  const LunarPosition m = ElpMoonOfDate(2448724.5).at;
  EXPECT_NEAR(133.162655, m.longitudeDeg, 0.001) << "longitude, got " << m.longitudeDeg;
  EXPECT_NEAR(-3.229126, m.latitudeDeg, 0.001) << "latitude, got " << m.latitudeDeg;
  EXPECT_NEAR(368409.7, m.distanceKm, 10.0) << "distance, got " << m.distanceKm;
}

// Meeus example 22.a, 1987 April 10 0h TD: delta psi -3.788", delta epsilon +9.443" (IAU 1980;
// IAU 2000B differs by a few milliarcseconds) and the true obliquity 23 26' 36.850" (our IAU 2006
// mean obliquity lies 0.042" below the IAU 1980 one).
TEST(PreciseFrame, NutationMatchesMeeusExample22a) {
  const PreciseFrame f = MakePreciseFrames(2446895.5).at;
  const double arcsecPerRad = kDegPerRad * 3600.0;
  EXPECT_NEAR(-3.788, f.nutationLongitudeRad * arcsecPerRad, 0.01);
  EXPECT_NEAR(9.443, (f.trueObliquityRad - f.meanObliquityRad) * arcsecPerRad, 0.01);
  EXPECT_NEAR(23.0 + 26.0 / 60.0 + 36.850 / 3600.0, f.trueObliquityRad * kDegPerRad, 0.06 / 3600.0);
}

// Meeus example 12.a, 1987 April 10 0h UT: apparent sidereal time 13h 10m 46.1351s. His mean
// sidereal time is IAU 1982's; the IAU 2006 one lies 3.3 ms later on that date (ERFA's
// eraGmst82 and eraGmst06), hence 5 ms. Delta T was 55 s.
TEST(PreciseFrame, SiderealTimeMatchesMeeusExample12a) {
  const double jdUT = 2446895.5;
  const PreciseFrame f = MakePreciseFrames(jdUT + 55.0 / 86400.0).at;
  const double wantDeg = (13.0 + 10.0 / 60.0 + 46.1351 / 3600.0) * 15.0;
  const double got = ApparentSiderealDeg(jdUT, f);
  EXPECT_NEAR(wantDeg, got, 0.005 * 15.0 / 3600.0) << "got " << got;
}

// The apparent place of a point of the ecliptic moves it by the nutation in longitude only.
TEST(PreciseFrame, EclipticPointIsNutatedOnly) {
  const PreciseFrame f = MakePreciseFrames(2451545.0).at;
  const ApparentPosition p = ApparentEclipticPoint(f, 359.999);
  EXPECT_NEAR(Reduce360(359.999 + f.nutationLongitudeRad * kDegPerRad), p.longitudeDeg, 1e-12);
  EXPECT_GE(p.longitudeDeg, 0.0);
  EXPECT_LT(p.longitudeDeg, 360.0);
}

}  // namespace
}  // namespace caelix

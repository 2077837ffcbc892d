#include "astro/precise_place.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace caelix {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegPerRad = 180.0 / kPi;
constexpr double kKmPerAu = ERFA_DAU / 1000.0;

struct Vector {
  double v[3];
};

double Length(const double (&a)[3]) { return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]); }

// Rectangular coordinates of the spherical (longitude, latitude, radius), radians.
void Rectangular(double l, double b, double r, double (&out)[3]) {
  const double cb = std::cos(b);
  out[0] = r * cb * std::cos(l);
  out[1] = r * cb * std::sin(l);
  out[2] = r * std::sin(b);
}

double Reduce360(double deg) {
  const double r = std::fmod(deg, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}

// The apparent place of a geocentric direction of the mean ecliptic of date, turned to the true
// equinox by the nutation in longitude.
ApparentPosition Nutate(const PreciseFrame& f, const double (&direction)[3]) {
  const double longitudeDeg = (std::atan2(direction[1], direction[0]) + f.nutationLongitudeRad) * kDegPerRad;
  const double latitudeDeg = std::atan2(direction[2], std::hypot(direction[0], direction[1])) * kDegPerRad;
  const double lon = Reduce360(longitudeDeg);
  return {lon, EclipticDeclinationDeg(lon, latitudeDeg, f.trueObliquityRad)};
}

// The same for a geocentric unit vector, first aberrated by the Earth's velocity.
ApparentPosition AberrateAndNutate(const PreciseFrame& f, double (&direction)[3]) {
  double v[3];
  for (int i = 0; i < 3; ++i) v[i] = f.earthAuPerDay[i] / ERFA_DC;
  const double bm1 = std::sqrt(1.0 - (v[0] * v[0] + v[1] * v[1] + v[2] * v[2]));
  double apparent[3];
  eraAb(direction, v, Length(f.earthAu), bm1, apparent);
  return Nutate(f, apparent);
}

void Normalize(double (&a)[3]) {
  const double n = Length(a);
  for (double& x : a) x /= n;
}

}  // namespace

namespace {

PreciseFrame MakeFrame(double jde, const HeliocentricState& e) {
  PreciseFrame f{};
  f.jde = jde;
  Rectangular(e.longitudeRad, e.latitudeRad, e.radiusAu, f.earthAu);
  const double cl = std::cos(e.longitudeRad), sl = std::sin(e.longitudeRad);
  const double cb = std::cos(e.latitudeRad), sb = std::sin(e.latitudeRad);
  const double r = e.radiusAu;
  f.earthAuPerDay[0] =
      e.radiusAuPerDay * cb * cl - r * sb * cl * e.latitudeRadPerDay - r * cb * sl * e.longitudeRadPerDay;
  f.earthAuPerDay[1] =
      e.radiusAuPerDay * cb * sl - r * sb * sl * e.latitudeRadPerDay + r * cb * cl * e.longitudeRadPerDay;
  f.earthAuPerDay[2] = e.radiusAuPerDay * sb + r * cb * e.latitudeRadPerDay;
  double dpsi = 0.0, deps = 0.0;
  eraNut00b(ERFA_DJ00, jde - ERFA_DJ00, &dpsi, &deps);
  f.nutationLongitudeRad = dpsi;
  f.meanObliquityRad = eraObl06(ERFA_DJ00, jde - ERFA_DJ00);
  f.trueObliquityRad = f.meanObliquityRad + deps;
  return f;
}

}  // namespace

PreciseFrames MakePreciseFrames(double jde) {
  const HeliocentricStates earth = Vsop87dStates(kVsop87dEarth, jde);
  return {MakeFrame(jde, earth.at), MakeFrame(jde + 1.0, earth.dayAfter)};
}

ApparentPosition ApparentPlanet(const PreciseFrame& f, const HeliocentricState& planet) {
  double position[3];
  double geocentric[3];
  double lightTimeDays = 0.0;
  for (int pass = 0; pass < 3; ++pass) {
    Rectangular(planet.longitudeRad - lightTimeDays * planet.longitudeRadPerDay,
                planet.latitudeRad - lightTimeDays * planet.latitudeRadPerDay,
                planet.radiusAu - lightTimeDays * planet.radiusAuPerDay, position);
    for (int i = 0; i < 3; ++i) geocentric[i] = position[i] - f.earthAu[i];
    lightTimeDays = Length(geocentric) / ERFA_DC;
  }
  double p[3] = {geocentric[0], geocentric[1], geocentric[2]};
  double q[3] = {position[0], position[1], position[2]};
  double e[3] = {f.earthAu[0], f.earthAu[1], f.earthAu[2]};
  Normalize(p);
  Normalize(q);
  Normalize(e);
  double deflected[3];
  eraLd(1.0, p, q, e, Length(f.earthAu), 1e-9, deflected);
  return AberrateAndNutate(f, deflected);
}

ApparentPosition ApparentSun(const PreciseFrame& f) {
  double p[3] = {-f.earthAu[0], -f.earthAu[1], -f.earthAu[2]};
  Normalize(p);
  return AberrateAndNutate(f, p);
}

ApparentPosition ApparentMoon(const PreciseFrame& f, const LunarPosition& moon, double longitudeDegPerDay,
                              double latitudeDegPerDay) {
  const double lightTimeDays = moon.distanceKm / kKmPerAu / ERFA_DC;
  double p[3];
  Rectangular((moon.longitudeDeg - lightTimeDays * longitudeDegPerDay) / kDegPerRad,
              (moon.latitudeDeg - lightTimeDays * latitudeDegPerDay) / kDegPerRad, 1.0, p);
  return Nutate(f, p);
}

ApparentPosition ApparentEclipticPoint(const PreciseFrame& f, double meanLongitudeDeg) {
  const double lon = Reduce360(meanLongitudeDeg + f.nutationLongitudeRad * kDegPerRad);
  return {lon, EclipticDeclinationDeg(lon, 0.0, f.trueObliquityRad)};
}

double EclipticDeclinationDeg(double longitudeDeg, double latitudeDeg, double epsRad) {
  const double l = longitudeDeg / kDegPerRad;
  const double b = latitudeDeg / kDegPerRad;
  return std::asin(std::sin(b) * std::cos(epsRad) + std::cos(b) * std::sin(epsRad) * std::sin(l)) * kDegPerRad;
}

double ApparentSiderealDeg(double jdUT, const PreciseFrame& f) {
  const double gmst = eraGmst06(ERFA_DJ00, jdUT - ERFA_DJ00, ERFA_DJ00, f.jde - ERFA_DJ00);
  const double ee = eraEe00(ERFA_DJ00, f.jde - ERFA_DJ00, f.meanObliquityRad, f.nutationLongitudeRad);
  return Reduce360((gmst + ee) * kDegPerRad);
}

}  // namespace caelix

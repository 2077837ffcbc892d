#pragma once
// ELP/MPP02 fitted to DE405 (Chapront and Francou 2003, IMCCE): the Moon's geocentric
// coordinates, truncated by tools/precise-series (astro/series/elp_mpp02_generated.cpp).

namespace caelix {

// One term A sin(p0 + p1 T + p2 T^2 + p3 T^3 + p4 T^4), T in Julian centuries from J2000 (TT);
// A in seconds of arc (longitude, latitude) or kilometres (distance), the phases in radians.
struct ElpTerm {
  double amplitude;
  double phase0;
  double rate1;
  double rate2;
  double rate3;
  double rate4;
};

struct ElpSeries {
  const ElpTerm* terms;
  int count;
};

// One coordinate: the sum over p of T^p times series p.
struct ElpCoordinate {
  ElpSeries powers[4];
  int powerCount;
};

struct ElpMoon {
  double meanLongitude[5];       // W1, radians: polynomial in T
  double argumentOfLatitude[5];  // F = W1 - (mean node), radians: polynomial in T
  ElpCoordinate longitude;       // seconds of arc, added to W1
  ElpCoordinate latitude;        // seconds of arc
  ElpCoordinate distance;        // kilometres
};

extern const ElpMoon kElpMpp02Moon;

// The Moon's geocentric position referred to the mean ecliptic and equinox of date.
struct LunarPosition {
  double longitudeDeg;  // [0, 360)
  double latitudeDeg;
  double distanceKm;
};

struct LunarPositions {
  LunarPosition at;        // at jde
  LunarPosition dayAfter;  // at jde + 1
};

// Returns the Moon at jde (TT) and one day later: the series' longitude on the ecliptic of date
// from the departure point of J2000, plus the IAU 2006 general precession in longitude
// (Capitaine et al. 2003). One sine and cosine per term: the day after by the angle-addition
// formulae with each term's linear one-day turn (computed once per process) and, to first order,
// the tiny turn of its higher powers of T.
LunarPositions ElpMoonOfDate(double jde);

// Returns the longitude of the Moon's mean ascending node of date at jde (TT), degrees [0, 360):
// W1 - F of the same theory plus the same precession.
double ElpMeanNodeOfDate(double jde);

// Returns the IAU 2006 general precession in longitude p_A at T centuries from J2000, arcseconds.
double GeneralPrecessionArcsec(double T);

}  // namespace caelix

#pragma once
// VSOP87D (Bretagnon and Francou 1988, IMCCE): heliocentric ecliptic coordinates of the Earth and
// of Mercury to Neptune, referred to the mean ecliptic and equinox of date, truncated by
// tools/precise-series (astro/series/vsop87d_generated.cpp, docs/data.md).

namespace caelix {

// One term A cos(B + C tau), tau in Julian millennia from J2000 (TT); A in radians or au.
struct Vsop87Term {
  double amplitude;
  double phaseRad;
  double frequencyRadPerMillennium;
};

// The terms multiplied by one power of tau.
struct Vsop87Series {
  const Vsop87Term* terms;
  int count;
};

// One coordinate: the sum over p of tau^p times series p.
struct Vsop87Coordinate {
  Vsop87Series powers[6];
  int powerCount;
};

struct Vsop87Body {
  Vsop87Coordinate longitude;  // radians
  Vsop87Coordinate latitude;   // radians
  Vsop87Coordinate radius;     // au
};

extern const Vsop87Body kVsop87dEarth;
extern const Vsop87Body kVsop87dMercury;
extern const Vsop87Body kVsop87dVenus;
extern const Vsop87Body kVsop87dMars;
extern const Vsop87Body kVsop87dJupiter;
extern const Vsop87Body kVsop87dSaturn;
extern const Vsop87Body kVsop87dUranus;
extern const Vsop87Body kVsop87dNeptune;

// A heliocentric position and its rate of change.
struct HeliocentricState {
  double longitudeRad;  // not reduced
  double latitudeRad;
  double radiusAu;
  double longitudeRadPerDay;
  double latitudeRadPerDay;
  double radiusAuPerDay;
};

struct HeliocentricStates {
  HeliocentricState at;        // at jde
  HeliocentricState dayAfter;  // at jde + 1
};

// Returns the body's heliocentric coordinates of date at jde (TT) and one day later, with their
// derivatives (the series differentiated term by term), by one loop over the rows with one sine
// and cosine per term (the day after by the angle-addition formulae, each term's one-day turn
// computed once per process). The longitude is moved from the series' equinox of date (IAU 1976
// precession) to that of the IAU 2006 precession by the difference of their general precessions
// in longitude (-0.30" per century from J2000).
HeliocentricStates Vsop87dStates(const Vsop87Body& body, double jde);

}  // namespace caelix

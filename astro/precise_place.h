#pragma once
// The apparent place of the precise engine: light time, the Sun's light deflection, annual
// aberration and nutation, each applied once, with the IAU 2006 precession (through the
// series' equinox of date and ERFA's obliquity) and the IAU 2000B nutation of ERFA.
#include "astro/apparent_place.h"
#include "astro/elp_mpp02.h"
#include "astro/vsop87d.h"

namespace caelix {

// What every position at one instant shares.
struct PreciseFrame {
  double jde;
  double earthAu[3];            // the Earth, heliocentric, mean ecliptic and equinox of date
  double earthAuPerDay[3];      // its velocity
  double nutationLongitudeRad;  // IAU 2000B delta psi
  double meanObliquityRad;      // IAU 2006
  double trueObliquityRad;      // mean obliquity + IAU 2000B delta epsilon
};

struct PreciseFrames {
  PreciseFrame at;        // at jde
  PreciseFrame dayAfter;  // at jde + 1
};

// Returns the frames at jde (TT) and one day later: the Earth of VSOP87D, the nutation and the
// obliquities.
PreciseFrames MakePreciseFrames(double jde);

// Returns the apparent geocentric longitude of date and declination of a planet whose
// heliocentric state of date at the frame's instant is given: the planet taken back by the light
// time (twice iterated, along its rates), deflected by the Sun (ERFA eraLd), aberrated by the
// Earth's heliocentric velocity (ERFA eraAb), then nutated.
ApparentPosition ApparentPlanet(const PreciseFrame& frame, const HeliocentricState& planet);

// Returns the apparent Sun: the direction opposite the Earth, aberrated and nutated.
ApparentPosition ApparentSun(const PreciseFrame& frame);

// Returns the apparent Moon from its geometric position of date and the rates of its
// longitude and latitude (degrees per day), which take it back by the light time, then nutated.
// No annual aberration: the Moon shares the Earth's orbital motion, and the Earth's displacement
// during the light time cancels the aberration of that motion.
ApparentPosition ApparentMoon(const PreciseFrame& frame, const LunarPosition& moon, double longitudeDegPerDay,
                              double latitudeDegPerDay);

// Returns the apparent place of a point of the mean ecliptic of date (the mean node): nutated,
// with the declination of latitude 0.
ApparentPosition ApparentEclipticPoint(const PreciseFrame& frame, double meanLongitudeDeg);

// Returns the declination in degrees of the point at ecliptic longitude and latitude of date
// (degrees) for the obliquity epsRad.
double EclipticDeclinationDeg(double longitudeDeg, double latitudeDeg, double epsRad);

// Returns the Greenwich apparent sidereal time in degrees, [0, 360), at jdUT (UT1) with the
// frame of the same instant in TT: IAU 2006 mean sidereal time (eraGmst06) plus the equation of
// the equinoxes of the frame's nutation (eraEe00, with its complementary terms).
double ApparentSiderealDeg(double jdUT, const PreciseFrame& frame);

}  // namespace caelix

#pragma once
// The planets Mercury to Neptune: geocentric ecliptic positions of date from the 1900-epoch mean
// elements with their planetary perturbations (Meeus, Astronomical Formulae for Calculators,
// the chapters on the planets). Each returns the longitude in degrees, [0, 360), and the
// latitude in degrees, (-90, 90), at jd (dynamical time), without light time, aberration or
// nutation beyond what the Sun's longitude contains. No distance. Each also takes the Sun of
// SunPosition(jd) when the caller has it at hand (the same result, one Sun fewer).
#include "astro/ecliptic_position.h"
#include "astro/sun.h"

namespace caelix {

// Mercury: four terms in the argument of latitude and four in the distance (Kepler to 1e-9 deg).
EclipticPosition MercuryPosition(double jd, const EclipticPosition& sun);
inline EclipticPosition MercuryPosition(double jd) { return MercuryPosition(jd, SunPosition(jd)); }

// Venus: a long-period term in L and M, five terms in the argument of latitude, seven in distance.
EclipticPosition VenusPosition(double jd, const EclipticPosition& sun);
inline EclipticPosition VenusPosition(double jd) { return VenusPosition(jd, SunPosition(jd)); }

// Mars: a long-period pair in L and M, nine terms in the argument of latitude, 13 in distance.
EclipticPosition MarsPosition(double jd, const EclipticPosition& sun);
inline EclipticPosition MarsPosition(double jd) { return MarsPosition(jd, SunPosition(jd)); }

// Jupiter: the great-inequality series in L, M, e and a built on the angles of Jupiter, Saturn
// and Uranus.
EclipticPosition JupiterPosition(double jd, const EclipticPosition& sun);
inline EclipticPosition JupiterPosition(double jd) { return JupiterPosition(jd, SunPosition(jd)); }

// Saturn: the same kinds of series as Jupiter, and terms in the heliocentric latitude.
EclipticPosition SaturnPosition(double jd, const EclipticPosition& sun);
inline EclipticPosition SaturnPosition(double jd) { return SaturnPosition(jd, SunPosition(jd)); }

// Uranus: series in L, M, e and a, then terms in heliocentric longitude, latitude and distance.
EclipticPosition UranusPosition(double jd, const EclipticPosition& sun);
inline EclipticPosition UranusPosition(double jd) { return UranusPosition(jd, SunPosition(jd)); }

// Neptune: the same kinds of series as Uranus, built with Neptune's angle G.
EclipticPosition NeptunePosition(double jd, const EclipticPosition& sun);
inline EclipticPosition NeptunePosition(double jd) { return NeptunePosition(jd, SunPosition(jd)); }

}  // namespace caelix

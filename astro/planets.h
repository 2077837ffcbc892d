#pragma once
// The planets Mercury to Neptune: geocentric ecliptic positions of date from the 1900-epoch mean
// elements with their planetary perturbations (Meeus, Astronomical Formulae for Calculators,
// the chapters on the planets). Each returns the longitude in degrees, [0, 360), and the
// latitude in degrees, (-90, 90), at jd (dynamical time), without light time, aberration or
// nutation beyond what the Sun's longitude contains. No distance.
#include "astro/ecliptic_position.h"

namespace caelix {

// Mercury: four terms in the argument of latitude and four in the distance (Kepler to 1e-9 deg).
EclipticPosition MercuryPosition(double jd);

// Venus: a long-period term in L and M, five terms in the argument of latitude, seven in distance.
EclipticPosition VenusPosition(double jd);

// Mars: a long-period pair in L and M, nine terms in the argument of latitude, 13 in distance.
EclipticPosition MarsPosition(double jd);

// Jupiter: the great-inequality series in L, M, e and a built on the angles of Jupiter, Saturn
// and Uranus.
EclipticPosition JupiterPosition(double jd);

// Saturn: the same kinds of series as Jupiter, and terms in the heliocentric latitude.
EclipticPosition SaturnPosition(double jd);

// Uranus: series in L, M, e and a, then terms in heliocentric longitude, latitude and distance.
EclipticPosition UranusPosition(double jd);

// Neptune: the same kinds of series as Uranus, built with Neptune's angle G.
EclipticPosition NeptunePosition(double jd);

}  // namespace caelix

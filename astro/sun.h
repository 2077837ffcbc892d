#pragma once
#include "astro/ecliptic_position.h"

namespace caelix {

// Returns the Sun's geocentric longitude (degrees, [0, 360)) and radius vector (AU) at jd:
// Newcomb's 1900-epoch mean elements with the equation of the centre, a combined aberration
// and nutation correction and five perturbations in longitude and in distance (Meeus,
// Astronomical Formulae for Calculators, ch. 18). The latitude is 0.
EclipticPosition SunPosition(double jd);

// Returns the Sun's true geometric longitude L + C in degrees, not reduced: steps 1 to 4 of
// SunPosition without the corrections, as the annual aberration needs it.
double SunTrueLongitude(double T);

}  // namespace caelix

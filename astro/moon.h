#pragma once
#include "astro/ecliptic_position.h"

namespace caelix {

// Returns the Moon's geocentric ecliptic longitude (degrees, [0, 360)) and latitude (degrees,
// not reduced, within about +-5.3) at jd: the 1900-epoch mean arguments with their small
// additive corrections and the 23 largest terms in longitude and 11 in latitude of Brown's
// theory as given by Meeus (Astronomical Formulae for Calculators, ch. 30). No distance.
EclipticPosition MoonPosition(double jd);

}  // namespace caelix

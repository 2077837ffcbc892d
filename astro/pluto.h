#pragma once
// Pluto: heliocentric position from a Fourier series in time (1805-2030), a tabulated series
// (1800-1805, 2030-2100) or a short series (elsewhere), moved to the Earth with the Sun's position.
#include "astro/ecliptic_position.h"
#include "astro/planet_frame.h"

namespace caelix {

// The days the long series covers, both inclusive: 1805 January 1 0h and 2030 January 1 0h.
constexpr double kPlutoLongSeriesFirstJd = 2380322.5;
constexpr double kPlutoLongSeriesLastJd = 2462502.5;

// Returns Pluto's heliocentric longitude and latitude of date (degrees, not reduced) and
// distance (AU) at jd from a Fourier series in 24 multiples of one frequency (period about 248
// years) in Julian years since J2000.0. Meant for 1805-2030.
HeliocentricPosition PlutoLongSeries(double jd);

// Returns the same from the low-precision formulae of Van Flandern and Pulkkinen (1979): mean
// longitude plus ten terms in longitude and latitude and four in distance. Valid for any jd,
// growing less accurate far from 1900 (its T^2 term is unbounded).
HeliocentricPosition PlutoShortSeries(double jd);

// The days outside the long series over which the tabulated position is carried over to it.
constexpr double kPlutoJoinDays = 30.0;

// Returns PlutoLongSeries inside [kPlutoLongSeriesFirstJd, kPlutoLongSeriesLastJd]; outside it
// PlutoTablePosition where the tabulated series answers (1800-2100), else PlutoShortSeries. Within
// kPlutoJoinDays of either end of the long series the tabulated position is moved smoothly onto
// the long series' (which differs from it by 0.0052 degree on 1805 January 1 and 0.0026 on 2030
// January 1), so that the longitude has no step at the switch.
HeliocentricPosition PlutoHeliocentric(double jd);

// Returns Pluto's geocentric ecliptic longitude (degrees, [0, 360)) and latitude (degrees,
// (-90, 90)) at jd: PlutoHeliocentric plus the Sun's vector of SunPosition. No distance.
EclipticPosition PlutoPosition(double jd);

// The same with the Sun of SunPosition(jd) at hand.
EclipticPosition PlutoPosition(double jd, const EclipticPosition& sun);

}  // namespace caelix

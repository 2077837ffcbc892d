#pragma once
// The chart angles of a local sidereal angle, for the precise engine.
#include "astro/chart_angles.h"

namespace caelix {

// Returns the Ascendant, the anti-vertex and the MC in degrees, [0, 360), for the local apparent
// sidereal angle thetaDeg, the latitude and the true obliquity epsDeg: the same formulae as
// ChartAngles (the Ascendant formula, the MC's tangent, the Ascendant formula at the opposite
// angle and the co-latitude for the anti-vertex), without its sidereal time.
ChartAnglesValue ChartAnglesAt(double thetaDeg, double latitudeDeg, double epsDeg);

}  // namespace caelix

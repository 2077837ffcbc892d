#pragma once
// Everett's central-difference interpolation of tabulated angles.
#include <array>

namespace caelix {

// Returns the angle in degrees at the fraction p of the step between v[2] and v[3], from six
// consecutive tabulated angles v[0..5] (degrees, equally spaced), by Everett's formula up to
// fourth differences. Every difference is taken across 0/360 the short way, so a body passing
// 0 degrees interpolates smoothly; the result is not reduced and may lie a little outside
// [0, 360). p = 0 gives v[2]. p is meant to lie in [0, 1). Reference: Meeus, Astronomical
// Algorithms, ch. 3; Abramowitz and Stegun 25.2.11.
double EverettInterpolate(const std::array<double, 6>& v, double p);

}  // namespace caelix

#pragma once
// Angle helpers shared by every theory. Angles are degrees; the runtime's trigonometry takes
// radians, so each call site multiplies by DegToRad() and divides inverse results by it. The
// small ones are inline: every theory calls them many times a chart.
#include <cmath>

#include "astro/trig.h"

namespace caelix {

// Returns the factor pi/180 as the system has always computed it, atan2(1, 1) * (1 / 45): the
// double nearest pi/4 times the double nearest 1/45.
constexpr double DegToRad() { return 0.78539816339744830962 * (1.0 / 45.0); }

// Returns the angle a (degrees) reduced into [0, 360). Exact for every finite input (floating
// remainder, not repeated subtraction, so huge mean arguments cost nothing); NaN stays NaN.
inline double Normalize360(double a) {
  // Below 2^52 the whole turns k are integers and a - 360 k is exact (both are multiples of the
  // unit in the last place of a), so this gives the floating remainder's value without its cost.
  double r;
  if (std::fabs(a) < 4503599627370496.0) {
    r = a - 360.0 * std::floor(a * (1.0 / 360.0));
  } else {
    r = std::fmod(a, 360.0);
  }
  if (r < 0.0) r += 360.0;
  if (r >= 360.0) r -= 360.0;  // -1e-20 + 360 rounds to 360
  return r;
}

// Returns a (degrees) moved into [0, 360) by at most one turn: +360 if negative, then -360
// if 360 or more ("reduce once" of the house and point routines).
inline double ReduceOnce(double a) {
  if (a < 0.0) a += 360.0;
  if (a >= 360.0) a -= 360.0;
  return a;
}

// The tolerance in degrees at which the iterations of the theories stop: 1e-10.
constexpr double ConvergenceEpsilon() { return 1e-10; }

// Returns the angle in degrees, [0, 360), whose tangent is y / x, in the quadrant of (y, x):
// atan(y/x) corrected by +180 for x < 0 and +360 for x > 0, y < 0; 90 or 270 for x = 0.
// The origin (0, 0) gives 0.
inline double QuadrantAngle(double y, double x) {
  if (x == 0.0) {
    if (y > 0.0) return 90.0;
    if (y < 0.0) return 270.0;
    return 0.0;
  }
  // +360 for x > 0 > y, +180 for x < 0, taken from a table rather than by branches.
  constexpr double kTurn[] = {0.0, 360.0, 180.0, 180.0};
  double a = AtanRad(y / x) / DegToRad() + kTurn[2 * (x < 0.0) + (y < 0.0)];
  if (a >= 360.0) a -= 360.0;  // atan of a tiny negative ratio plus 360 can round up to 360
  return a;
}

// Returns the arc sine of s in degrees, (-90, 90), as atan(s / sqrt(1 - s^2)); |s| >= 1 gives
// +-90 (values a rounding step outside [-1, 1] are taken as +-1).
inline double ArcSinDeg(double s) {
  if (s >= 1.0) return 90.0;
  if (s <= -1.0) return -90.0;
  return AtanRad(s / std::sqrt(1.0 - s * s)) / DegToRad();
}

// Returns the shortest angular distance between two angles in degrees, [0, 180].
double AngularDistance(double a, double b);

}  // namespace caelix

#pragma once
// Angle helpers shared by every theory. Angles are degrees; the runtime's trigonometry takes
// radians, so each call site multiplies by DegToRad() and divides inverse results by it.

namespace caelix {

// Returns the factor pi/180 as the system has always computed it, atan2(1, 1) * (1 / 45): the
// double nearest pi/4 times the double nearest 1/45.
constexpr double DegToRad() { return 0.78539816339744830962 * (1.0 / 45.0); }

// Returns the angle a (degrees) reduced into [0, 360). Exact for every finite input (floating
// remainder, not repeated subtraction, so huge mean arguments cost nothing); NaN stays NaN.
double Normalize360(double a);

// Returns a (degrees) moved into [0, 360) by at most one turn: +360 if negative, then -360
// if 360 or more ("reduce once" of the house and point routines).
double ReduceOnce(double a);

// The tolerance in degrees at which the iterations of the theories stop: 1e-10.
constexpr double ConvergenceEpsilon() { return 1e-10; }

// Returns the angle in degrees, [0, 360), whose tangent is y / x, in the quadrant of (y, x):
// atan(y/x) corrected by +180 for x < 0 and +360 for x > 0, y < 0; 90 or 270 for x = 0.
// The origin (0, 0) gives 0.
double QuadrantAngle(double y, double x);

// Returns the arc sine of s in degrees, (-90, 90), as atan(s / sqrt(1 - s^2)); |s| >= 1 gives
// +-90 (values a rounding step outside [-1, 1] are taken as +-1).
double ArcSinDeg(double s);

// Returns the shortest angular distance between two angles in degrees, [0, 180].
double AngularDistance(double a, double b);

}  // namespace caelix

#include "astro/angles.h"

#include <cmath>

#include "astro/trig.h"

namespace caelix {

double Normalize360(double a) {
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

double ReduceOnce(double a) {
  if (a < 0.0) a += 360.0;
  if (a >= 360.0) a -= 360.0;
  return a;
}

double QuadrantAngle(double y, double x) {
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

double ArcSinDeg(double s) {
  if (s >= 1.0) return 90.0;
  if (s <= -1.0) return -90.0;
  return AtanRad(s / std::sqrt(1.0 - s * s)) / DegToRad();
}

double AngularDistance(double a, double b) {
  const double d = Normalize360(a - b);
  return d > 180.0 ? 360.0 - d : d;
}

}  // namespace caelix

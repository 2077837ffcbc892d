#include "astro/angles.h"

#include <cmath>

#include "astro/trig.h"

namespace caelix {

double Normalize360(double a) {
  double r = std::fmod(a, 360.0);
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
  double a = AtanRad(y / x) / DegToRad();
  if (x > 0.0 && y < 0.0) a += 360.0;
  if (x < 0.0) a += 180.0;
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

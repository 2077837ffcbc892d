#include "astro/everett.h"

namespace caelix {

namespace {

// b - a, moved by at most one turn each way into [-180, 180].
double WrappedDifference(double a, double b) {
  double d = b - a;
  if (d > 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}

}  // namespace

double EverettInterpolate(const std::array<double, 6>& v, double p) {
  const double q = 1.0 - p;
  const double e2 = ((q - 1.0) * (q + 1.0)) * q * (1.0 / 6.0);
  const double f2 = ((p - 1.0) * (p + 1.0)) * p * (1.0 / 6.0);
  const double e4 = ((q - 2.0) * (q + 2.0)) * e2 * 0.05;
  const double f4 = ((p - 2.0) * (p + 2.0)) * f2 * 0.05;

  const double g = WrappedDifference(v[1], v[2]);   // first difference before v[2]
  const double wd = WrappedDifference(v[3], v[4]);  // first difference after v[3]
  double r = v[3] - v[2];                           // first difference of the interval
  double adj = 0.0;                                 // moves v[2] to v[3]'s side of 0 degrees
  if (r > 180.0) {
    r -= 360.0;
    adj = 360.0;
  }
  if (r < -180.0) {
    r += 360.0;
    adj = -360.0;
  }
  const double d0 = r - g;   // second difference at v[2]
  const double d1 = wd - r;  // second difference at v[3]

  double result = (v[2] + adj) * q + v[3] * p;
  result = result + d1 * f2;
  result = result + d0 * e2;

  const double n = WrappedDifference(v[0], v[1]);
  const double qd = WrappedDifference(v[4], v[5]);
  const double tm = d1 - d0;   // third difference between v[2] and v[3]
  const double dm = g - n;     // second difference at v[1]
  const double tl = d0 - dm;   // third difference before v[2]
  const double d4a = tm - tl;  // fourth difference at v[2]
  const double dp = qd - wd;   // second difference at v[4]
  const double tr = dp - d1;   // third difference after v[3]
  const double d4b = tr - tm;  // fourth difference at v[3]
  return result + (d4a * e4 + d4b * f4);
}

}  // namespace caelix

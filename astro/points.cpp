#include "astro/points.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/time_argument.h"

namespace caelix {

double MeanNodeLongitude(double jd) {
  const double T = CenturiesSince1900(jd);
  return Normalize360(259.183275 - 1934.142 * T + 0.002078 * T * T + 0.000002 * T * T * T);
}

double ArabicPart(double first, double second, double base) {
  return Normalize360(second - Normalize360(first - base));
}

double SunMoonMidpoint(double sun, double moon) {
  const double m = Normalize360(moon);
  const double s = Normalize360(sun);
  const double diff = s - m;
  double mid = m + diff / 2.0;
  if (std::fabs(diff) > 180.0) mid += 180.0;
  return Normalize360(mid);
}

}  // namespace caelix

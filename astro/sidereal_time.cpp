#include "astro/sidereal_time.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/time_argument.h"
#include "astro/trig.h"

namespace caelix {

double ApparentSiderealTime0h(double jd) { return ApparentSiderealTime0h(jd, ComputeNutationOfDate(jd)); }

double ApparentSiderealTime0h(double jd, const NutationOfDate& nutation) {
  // 0h UT of the date: a Julian day ends in .5 at midnight.
  const double u = std::trunc(jd);
  const double w = jd - u;
  const double jd0 = (w >= 0.5 && w < 1.0) ? u + 0.5 : u - 0.5;
  const double T0 = CenturiesSince2000(jd0);
  double theta0 = 6.697374558 + 2400.05133691 * T0 + 0.0000258622 * T0 * T0 - 0.0000000017 * T0 * T0 * T0;

  const double eps = nutation.trueObliquityDeg;
  theta0 += (nutation.nutation.longitudeArcsec / 3600.0) * CosRad(eps * DegToRad()) * (1.0 / 15.0);

  double h = std::fmod(theta0, 24.0);
  if (h < 0.0) h += 24.0;
  if (h >= 24.0) h -= 24.0;
  return h;
}

}  // namespace caelix

#include <cmath>

#include "astro/angles.h"
#include "astro/chart_angles.h"
#include "astro/trig.h"
#include "houses/house_cusp.h"

namespace caelix {

double KochCusp(int cusp, double ramcDeg, double epsDeg, double phiDeg, double mcDeg) {
  const double rad = DegToRad();
  const double delta = ArcSinDeg(SinRad(epsDeg * rad) * SinRad(mcDeg * rad));
  const double s = SemiArc(delta, phiDeg, true);
  double t = 0.0;
  switch (cusp) {
    case 11:
      t = ramcDeg - 2.0 * s / 3.0;
      break;
    case 12:
      t = ramcDeg - s / 3.0;
      break;
    case 2:
      t = ramcDeg + s / 3.0;
      break;
    default:
      t = ramcDeg + 2.0 * s / 3.0;
      break;
  }
  t = ReduceOnce(t);
  double c = RisingPointBase(t, phiDeg, epsDeg) + 90.0;
  if (c >= 360.0) c -= 360.0;
  if (c < 0.0) c += 360.0;
  return c;
}

}  // namespace caelix

#include <cmath>

#include "astro/angles.h"
#include "astro/trig.h"
#include "houses/house_cusp.h"

namespace caelix {

double PlacidusCusp(int cusp, double ramcDeg, double epsDeg, double phiDeg, double ascendantDeg, double mcDeg) {
  const double rad = DegToRad();
  const double eps = epsDeg * rad;
  const double sinEps = SinRad(eps);
  const double cosEps = CosRad(eps);
  const double sinPhi = SinRad(phiDeg * rad);
  const double cosPhi = CosRad(phiDeg * rad);
  const bool upper = cusp == 11 || cusp == 12;

  // Start by trisecting the quadrant in longitude.
  double lambda = 0.0;
  if (upper) {
    const double d = ReduceOnce(ascendantDeg - mcDeg);
    lambda = cusp == 11 ? ascendantDeg - (2.0 / 3.0) * d : ascendantDeg - (1.0 / 3.0) * d;
  } else {
    const double d = ReduceOnce((mcDeg + 180.0) - ascendantDeg);
    lambda = cusp == 2 ? ascendantDeg + (1.0 / 3.0) * d : ascendantDeg + (2.0 / 3.0) * d;
  }
  lambda = ReduceOnce(lambda);

  for (int pass = 0; pass < kMaxPlacidusPasses; ++pass) {
    const double l = lambda * rad;
    const double delta = ArcSinDeg(sinEps * SinRad(l));
    const double s = SemiArc(delta, sinPhi, cosPhi, upper);
    const double alpha = QuadrantAngle(cosEps * SinRad(l), CosRad(l));
    double implied = 0.0;
    double target = 0.0;
    switch (cusp) {
      case 11:
        implied = alpha - s / 3.0;
        target = ramcDeg + s / 3.0;
        break;
      case 12:
        implied = alpha - 2.0 * s / 3.0;
        target = ramcDeg + 2.0 * s / 3.0;
        break;
      case 2:
        implied = alpha + 2.0 * s / 3.0 - 180.0;
        target = (ramcDeg + 180.0) - 2.0 * s / 3.0;
        break;
      default:
        implied = alpha + s / 3.0 - 180.0;
        target = (ramcDeg + 180.0) - s / 3.0;
        break;
    }
    implied = ReduceOnce(implied);
    target = ReduceOnce(target) * rad;
    lambda = QuadrantAngle(SinRad(target) / cosEps, CosRad(target));
    // Angular distance, not the plain difference: both angles may lie either side of 0.
    if (AngularDistance(ramcDeg, implied) <= ConvergenceEpsilon()) break;
  }
  return lambda;
}

}  // namespace caelix

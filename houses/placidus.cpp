#include <cmath>

#include "astro/angles.h"
#include "astro/trig.h"
#include "houses/house_cusp.h"

namespace caelix {

namespace {

#ifdef CAELIX_REFERENCE_ENGINE
constexpr bool kAcceleratePlacidus = false;
#else
constexpr bool kAcceleratePlacidus = true;
#endif

// Returns the difference b - a of two longitudes, degrees in [-180, 180).
double Turn(double a, double b) { return Normalize360(b - a + 180.0) - 180.0; }

// Returns the limit that three successive estimates x0, x1, x2 of a linearly converging
// iteration point to (Aitken's delta-squared: x2 + d2 q / (1 - q) with d1 = x1 - x0,
// d2 = x2 - x1, q = d2 / d1), reduced into [0, 360); x2 itself when they do not converge like
// that. The
// passes after it still end by the iteration's own test, so only their number changes.
double Accelerated(double x0, double x1, double x2) {
  const double d1 = Turn(x0, x1);
  const double d2 = Turn(x1, x2);
  const double ratio = d2 / d1;
  if (!(std::fabs(ratio) < 0.95) || !(std::fabs(d2) < 5.0)) return x2;
  return Normalize360(x2 + d2 * ratio / (1.0 - ratio));
}

}  // namespace

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

  // One pass: the sidereal angle the estimate implies and the next estimate.
  const auto pass = [&](double estimateDeg, double& impliedDeg) {
    const SinCosValue l = SinCosRad(estimateDeg * rad);
    const double delta = ArcSinDeg(sinEps * l.sin);
    const double s = SemiArc(delta, sinPhi, cosPhi, upper);
    const double alpha = QuadrantAngle(cosEps * l.sin, l.cos);
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
    impliedDeg = ReduceOnce(implied);
    const SinCosValue t = SinCosRad(ReduceOnce(target) * rad);
    return QuadrantAngle(t.sin / cosEps, t.cos);
  };

  double previous[2] = {0.0, 0.0};  // the two estimates before lambda, for the acceleration
  int chain = 1;                    // successive estimates of one run of plain passes, lambda's included
  for (int n = 0; n < kMaxPlacidusPasses; ++n) {
    double implied = 0.0;
    const double next = pass(lambda, implied);
    // Angular distance, not the plain difference: both angles may lie either side of 0.
    if (AngularDistance(ramcDeg, implied) <= ConvergenceEpsilon()) return next;
    previous[0] = previous[1];
    previous[1] = lambda;
    lambda = next;
    // Steffensen's cycle: two plain passes from an estimate, then the extrapolation of the three.
    if (kAcceleratePlacidus && ++chain == 3) {
      lambda = Accelerated(previous[0], previous[1], lambda);
      chain = 1;
    }
  }
  return lambda;
}

}  // namespace caelix

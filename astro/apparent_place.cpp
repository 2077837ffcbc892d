#include "astro/apparent_place.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/sun.h"
#include "astro/time_argument.h"

namespace caelix {

namespace {
constexpr double kIterationTolerance = 1e-10;  // degrees
}

EquatorialOffset AnnualAberration(double jd, double rightAscensionDeg, double declinationDeg) {
  const double rad = DegToRad();
  const double T = CenturiesSince1900(jd);
  const double eps0 = MeanObliquity(T) * rad;
  const double sun = SunTrueLongitude(T) * rad;
  const double kappa = 0.005691666666666666;  // 20.49" in degrees

  const double cosSunCosEps = std::cos(sun) * std::cos(eps0);
  const double sinSun = std::sin(sun);
  const double tanEps = std::sin(eps0) / std::cos(eps0);

  double a = rightAscensionDeg;
  double d = declinationDeg;
  for (int pass = 0; pass < kMaxApparentPlacePasses; ++pass) {
    const double ar = a * rad;
    const double dr = d * rad;
    const double aNext = rightAscensionDeg - kappa * (std::cos(ar) * cosSunCosEps + std::sin(ar) * sinSun) / std::cos(dr);
    const double dNext =
        declinationDeg - kappa * (cosSunCosEps * (tanEps * std::cos(dr) - std::sin(ar) * std::sin(dr)) +
                                  std::cos(ar) * std::sin(dr) * sinSun);
    const bool settled = std::fabs(aNext - a) <= kIterationTolerance && std::fabs(dNext - d) <= kIterationTolerance;
    a = aNext;
    d = dNext;
    if (settled) break;
  }
  return {a - rightAscensionDeg, d - declinationDeg};
}

ApparentPosition ApparentPlace(double jd, double longitudeDeg, double latitudeDeg) {
  const double rad = DegToRad();
  const double T = CenturiesSince1900(jd);
  const double eps0Deg = MeanObliquity(T);
  const double eps0 = eps0Deg * rad;
  const double lam = longitudeDeg * rad;
  const double bet = latitudeDeg * rad;

  const double delta = ArcSinDeg(std::sin(lam) * std::cos(bet) * std::sin(eps0) + std::sin(bet) * std::cos(eps0));
  const double alpha = QuadrantAngle(std::sin(lam) * std::cos(bet) * std::cos(eps0) - std::sin(bet) * std::sin(eps0),
                                     std::cos(lam) * std::cos(bet));

  const NutationValue n = Nutation(T);
  const double dPsi = n.longitudeArcsec / 3600.0;
  const double dEps = n.obliquityArcsec / 3600.0;

  double ak = alpha;
  double dk = delta;
  for (int pass = 0; pass < kMaxApparentPlacePasses; ++pass) {
    const double ar = ak * rad;
    const double tanD = std::sin(dk * rad) / std::cos(dk * rad);
    const double aNext = alpha + (std::cos(eps0) + std::sin(eps0) * std::sin(ar) * tanD) * dPsi - std::cos(ar) * tanD * dEps;
    const double dNext = delta + std::sin(eps0) * std::cos(ar) * dPsi + std::sin(ar) * dEps;
    const bool settled = std::fabs(aNext - ak) <= kIterationTolerance && std::fabs(dNext - dk) <= kIterationTolerance;
    ak = aNext;
    dk = dNext;
    if (settled) break;
  }

  const EquatorialOffset ab = AnnualAberration(jd, alpha, delta);
  const double a1 = (ak + ab.rightAscensionDeg) * rad;
  const double d1Deg = dk + ab.declinationDeg;
  const double d1 = d1Deg * rad;
  const double eps = (eps0Deg + dEps) * rad;

  ApparentPosition out{};
  out.longitudeDeg = QuadrantAngle(std::sin(a1) * std::cos(d1) * std::cos(eps) + std::sin(d1) * std::sin(eps),
                                   std::cos(a1) * std::cos(d1));
  out.declinationDeg = d1Deg;
  return out;
}

}  // namespace caelix

#include <cmath>
#include <numbers>

#include "astro/angles.h"
#include "astro/trig.h"
#include "houses/house_cusp.h"

namespace caelix {

namespace {

// The tangent with the old guard: a cosine of exactly 0 gives the largest double.
double GuardedTan(double x) {
  const double c = CosRad(x);
  return c == 0.0 ? 1.797693134862315e+308 : std::tan(x);
}

}  // namespace

std::array<double, 12> CampanusCusps(double mcRad, double epsRad, double phiRad) {
  const double pi = std::numbers::pi;
  double ramc = AtanRad(CosRad(epsRad) * GuardedTan(mcRad));
  if (ramc < 0.0) ramc += pi;
  if (mcRad > pi) ramc += pi;

  std::array<double, 12> cusps{};
  for (int i = 1; i <= 12; ++i) {
    const double k = (60.000001 + 30.0 * i) * DegToRad();
    double d = AtanRad(CosRad(phiRad) * GuardedTan(k));
    if (d < 0.0) d += pi;
    if (SinRad(k) < 0.0) d += pi;
    const double y = SinRad(ramc + d);
    const double x = CosRad(ramc + d) * CosRad(epsRad) - SinRad(d) * GuardedTan(phiRad) * SinRad(epsRad);
    cusps[static_cast<std::size_t>(i - 1)] = Normalize360(QuadrantAngle(y, x));
  }
  return cusps;
}

}  // namespace caelix

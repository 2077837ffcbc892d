#include "houses/house_cusp.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"

namespace caelix {

double RightAscensionOfMc(double mcDeg, double epsDeg) {
  const double rad = DegToRad();
  return QuadrantAngle(std::cos(epsDeg * rad) * std::sin(mcDeg * rad), std::cos(mcDeg * rad));
}

double SemiArc(double deltaDeg, double phiDeg, bool upper) {
  const double rad = DegToRad();
  const double delta = deltaDeg * rad;
  const double phi = phiDeg * rad;
  const double ad = ArcSinDeg((1.0 / std::cos(delta)) / std::cos(phi) * std::sin(phi) * std::sin(delta));
  return upper ? 90.0 + ad : 90.0 - ad;
}

double HouseCusp(int cusp, double jdUT, double latitudeDeg, double ascendantDeg, double mcDeg, char houseCode) {
  const double eps = TrueObliquity(jdUT);
  const double ramc = RightAscensionOfMc(mcDeg, eps);
  double result = 0.0;
  switch (houseCode) {
    case 'K':
      result = KochCusp(cusp, ramc, eps, latitudeDeg, mcDeg);
      break;
    case 'C': {
      const double rad = DegToRad();
      const std::array<double, 12> cusps = CampanusCusps(mcDeg * rad, eps * rad, latitudeDeg * rad);
      result = (cusp >= 1 && cusp <= 12) ? cusps[static_cast<std::size_t>(cusp - 1)] : 0.0;
      break;
    }
    default:
      result = PlacidusCusp(cusp, ramc, eps, latitudeDeg, ascendantDeg, mcDeg);
      break;
  }
  return Normalize360(result);
}

}  // namespace caelix

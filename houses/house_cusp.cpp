#include "houses/house_cusp.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/trig.h"

namespace caelix {

double RightAscensionOfMc(double mcDeg, double epsDeg) {
  const double rad = DegToRad();
  return QuadrantAngle(CosRad(epsDeg * rad) * SinRad(mcDeg * rad), CosRad(mcDeg * rad));
}

double SemiArc(double deltaDeg, double phiDeg, bool upper) {
  const double phi = phiDeg * DegToRad();
  return SemiArc(deltaDeg, SinRad(phi), CosRad(phi), upper);
}

double SemiArc(double deltaDeg, double sinPhi, double cosPhi, bool upper) {
  const double delta = deltaDeg * DegToRad();
  const double ad = ArcSinDeg((1.0 / CosRad(delta)) / cosPhi * sinPhi * SinRad(delta));
  return upper ? 90.0 + ad : 90.0 - ad;
}

namespace {

// The cusp of one system from the obliquity and the RAMC; Campanus reads its cusps from campanus.
double CuspOfSystem(int cusp, double eps, double ramc, double latitudeDeg, double ascendantDeg, double mcDeg,
                    char houseCode, const std::array<double, 12>& campanus) {
  double result = 0.0;
  switch (houseCode) {
    case 'K':
      result = KochCusp(cusp, ramc, eps, latitudeDeg, mcDeg);
      break;
    case 'C':
      result = (cusp >= 1 && cusp <= 12) ? campanus[static_cast<std::size_t>(cusp - 1)] : 0.0;
      break;
    default:
      result = PlacidusCusp(cusp, ramc, eps, latitudeDeg, ascendantDeg, mcDeg);
      break;
  }
  return Normalize360(result);
}

std::array<double, 12> CampanusIfChosen(double eps, double latitudeDeg, double mcDeg, char houseCode) {
  if (houseCode != 'C') return {};
  const double rad = DegToRad();
  return CampanusCusps(mcDeg * rad, eps * rad, latitudeDeg * rad);
}

}  // namespace

double HouseCusp(int cusp, double jdUT, double latitudeDeg, double ascendantDeg, double mcDeg, char houseCode) {
  const double eps = TrueObliquity(jdUT);
  const double ramc = RightAscensionOfMc(mcDeg, eps);
  return CuspOfSystem(cusp, eps, ramc, latitudeDeg, ascendantDeg, mcDeg, houseCode,
                      CampanusIfChosen(eps, latitudeDeg, mcDeg, houseCode));
}

IntermediateCusps HouseCusps(double trueObliquityDeg, double latitudeDeg, double ascendantDeg, double mcDeg,
                             char houseCode) {
  const double eps = trueObliquityDeg;
  const double ramc = RightAscensionOfMc(mcDeg, eps);
  const std::array<double, 12> campanus = CampanusIfChosen(eps, latitudeDeg, mcDeg, houseCode);
  const auto cusp = [&](int n) {
    return CuspOfSystem(n, eps, ramc, latitudeDeg, ascendantDeg, mcDeg, houseCode, campanus);
  };
  return IntermediateCusps{cusp(2), cusp(3), cusp(11), cusp(12)};
}

}  // namespace caelix

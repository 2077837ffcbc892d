#include "astro/sidereal_angles.h"

#include <cmath>

#include "astro/angles.h"

namespace caelix {

ChartAnglesValue ChartAnglesAt(double thetaDeg, double latitudeDeg, double epsDeg) {
  const double rad = DegToRad();
  const double theta = Normalize360(thetaDeg);
  ChartAnglesValue v{};
  v.siderealDeg = theta;
  v.ascendantDeg = Normalize360(RisingPointBase(theta, latitudeDeg, epsDeg) + 90.0);
  v.mcDeg = QuadrantAngle(std::sin(theta * rad) / std::cos(epsDeg * rad), std::cos(theta * rad));
  v.antiVertexDeg = Normalize360(RisingPointBase(ReduceOnce(theta + 180.0), 90.0 - latitudeDeg, epsDeg) - 90.0);
  return v;
}

}  // namespace caelix

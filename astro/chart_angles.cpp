#include "astro/chart_angles.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/sidereal_time.h"
#include "astro/trig.h"

namespace caelix {

double RisingPointBase(double thetaDeg, double phiDeg, double epsDeg) {
  const double rad = DegToRad();
  const double t = thetaDeg * rad;
  const double phi = phiDeg * rad;
  const double eps = epsDeg * rad;
  return QuadrantAngle(SinRad(t) * CosRad(phi) * CosRad(eps) + SinRad(phi) * SinRad(eps), CosRad(t) * CosRad(phi));
}

double VertexLongitude(double antiVertexDeg, double mcDeg) {
  double vertex = antiVertexDeg + 180.0;
  if (vertex >= 360.0) vertex -= 360.0;
  if (Normalize360(vertex - mcDeg) < 180.0) vertex = ReduceOnce(vertex - 180.0);
  return vertex;
}

ChartAnglesValue ChartAngles(double jdUT, double dayAndTime, double longitudeDeg, double latitudeDeg) {
  return ChartAngles(jdUT, ComputeNutationOfDate(jdUT), dayAndTime, longitudeDeg, latitudeDeg);
}

ChartAnglesValue ChartAngles(double jdUT, const NutationOfDate& nutation, double dayAndTime, double longitudeDeg,
                             double latitudeDeg) {
  const double rad = DegToRad();
  const double g0 = ApparentSiderealTime0h(jdUT, nutation);
  const double f = dayAndTime - std::trunc(dayAndTime);
  const double theta = Normalize360(15.0 * (g0 + f * 24.0657098232) + longitudeDeg);
  const double eps = nutation.trueObliquityDeg;

  ChartAnglesValue v{};
  v.siderealDeg = theta;
  v.ascendantDeg = Normalize360(RisingPointBase(theta, latitudeDeg, eps) + 90.0);
  v.mcDeg = QuadrantAngle(SinRad(theta * rad) / CosRad(eps * rad), CosRad(theta * rad));

  double thetaOpp = theta + 180.0;
  if (thetaOpp >= 360.0) thetaOpp -= 360.0;
  double anti = RisingPointBase(thetaOpp, 90.0 - latitudeDeg, eps) - 90.0;
  if (anti >= 360.0) anti -= 360.0;
  if (anti < 0.0) anti += 360.0;
  v.antiVertexDeg = anti;
  return v;
}

}  // namespace caelix

#include "astro/sun.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/time_argument.h"
#include "astro/trig.h"

namespace caelix {

namespace {

struct SunElements {
  double meanAnomaly;    // M, degrees, not reduced
  double centre;         // equation of the centre, degrees
  double meanLongitude;  // L, degrees, not reduced
};

SunElements ComputeSunElements(double T) {
  const double T2 = T * T;
  const double rad = DegToRad();
  SunElements s{};
  s.meanAnomaly = 358.47583 + 35999.04975 * T - 0.00015 * T2 - 0.0000033 * T2 * T;
  const double M = s.meanAnomaly * rad;
  s.centre = (1.91946 - 0.004789 * T - 0.000014 * T2) * SinRad(M) + (0.020094 - 0.0001 * T) * SinRad(2.0 * M) +
             0.000293 * SinRad(3.0 * M);
  s.meanLongitude = 279.69668 + 36000.76892 * T + 0.0003025 * T2;
  return s;
}

}  // namespace

double SunTrueLongitude(double T) {
  const SunElements s = ComputeSunElements(T);
  return s.meanLongitude + s.centre;
}

EclipticPosition SunPosition(double jd) {
  const double T = CenturiesSince1900(jd);
  const double T2 = T * T;
  const double rad = DegToRad();
  const SunElements s = ComputeSunElements(T);

  const double e = 0.01675104 - 0.0000418 * T - 0.000000126 * T2;
  double lambda = s.meanLongitude + s.centre;
  double radius = (1.0 - e * e) / (1.0 + e * CosRad((s.meanAnomaly + s.centre) * rad));

  // Aberration and nutation in longitude, with this theory's own node argument.
  const double omega = 259.18 - 1934.142 * T;
  lambda = lambda - 0.00569 - 0.00479 * SinRad(omega * rad);

  // Perturbations by Venus (A, B), Jupiter (C), the Moon (D), a long-period term (E) and H.
  const double A = (153.23 + 22518.7541 * T) * rad;
  const double B = (216.57 + 45037.5082 * T) * rad;
  const double C = (312.69 + 32964.3577 * T) * rad;
  const double D = (350.74 + 445267.1142 * T - 0.00144 * T2) * rad;
  const double E = (231.19 + 20.2 * T) * rad;
  const double H = (353.4 + 65928.7155 * T) * rad;

  lambda = lambda + 0.00134 * CosRad(A) + 0.00154 * CosRad(B);
  lambda = lambda + 0.00179 * SinRad(D) + 0.00178 * SinRad(E) + 0.002 * CosRad(C);
  radius = radius + 0.00001575 * SinRad(B) + 0.00000543 * SinRad(A);
  radius = radius + 0.00001627 * SinRad(C) + 0.00003076 * CosRad(D) + 0.00000927 * SinRad(H);

  EclipticPosition p;
  p.longitudeDeg = Normalize360(lambda);
  p.radiusAu = radius;
  return p;
}

}  // namespace caelix

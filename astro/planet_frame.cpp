#include "astro/planet_frame.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/sun.h"
#include "astro/trig.h"

namespace caelix {

double Evaluate(const ElementPolynomial& p, double T) { return p.c0 + p.c1 * T + p.c2 * T * T + p.c3 * T * T * T; }

PlanetElements MeanElements(const MeanElementTable& table, double T) {
  return PlanetElements{Evaluate(table.L, T), Evaluate(table.M, T), Evaluate(table.e, T),
                        Evaluate(table.a, T), Evaluate(table.i, T), Evaluate(table.Omega, T)};
}

PlanetElements CorrectedElements(const PlanetElements& mean, double A, double B, double deltaE, double deltaA) {
  PlanetElements c = mean;
  const double perihelionShift = mean.e == 0.0 ? 0.0 : B / mean.e;
  c.L = mean.L + A;
  c.M = mean.M + A - perihelionShift;
  c.e = mean.e + deltaE;
  c.a = mean.a + deltaA;
  return c;
}

double SolveKepler(double M, double e, double toleranceDeg) {
  const double rad = DegToRad();
  double E = M;
  for (int pass = 0; pass < kMaxKeplerPasses; ++pass) {
    const SinCosValue sc = SinCosRad(E * rad);
    const double deltaE = (M + e * sc.sin / rad - E) / (1.0 - e * sc.cos);
    if (!std::isfinite(E + deltaE)) break;  // 1 - e cos E vanished: only possible for |e| >= 1
    E = E + deltaE;
    if (std::fabs(deltaE) <= toleranceDeg) return E;
  }
  // Newton's method did not settle. Since |e sin E| <= |e|, E - e sin E - M changes sign between
  // M - |e| and M + |e| (in degrees): halve that interval down to the tolerance or to the
  // rounding step of M.
  const double reach = std::fabs(e) / rad;
  double low = M - reach;
  double high = M + reach;
  for (int pass = 0; pass < kMaxKeplerBisections && high - low > toleranceDeg; ++pass) {
    const double middle = low + (high - low) / 2.0;
    if (middle <= low || middle >= high) break;
    if (middle - e * SinRad(middle * rad) / rad - M < 0.0) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return low + (high - low) / 2.0;
}

double ReduceToEcliptic(double uDeg, double iDeg) {
  if (uDeg == 90.0) return 90.0;
  if (uDeg == 270.0) return 270.0;
  const double rad = DegToRad();
  const SinCosValue u = SinCosRad(uDeg * rad);
  const double t = CosRad(iDeg * rad) * u.sin / u.cos;
  const double w = AtanRad(t) / rad;
  if (uDeg < 90.0) return w;
  if (uDeg < 270.0) return w + 180.0;
  return w + 360.0;
}

HeliocentricPosition OrbitPosition(const PlanetElements& elements, double toleranceDeg, const FrameTerms& terms) {
  const double rad = DegToRad();
  const double e = std::clamp(elements.e, -kMaxEccentricity, kMaxEccentricity);
  const double E = SolveKepler(elements.M, e, toleranceDeg);
  const SinCosValue halfE = SinCosRad(E / 2.0 * rad);
  const double v = 2.0 * AtanRad(std::sqrt((1.0 + e) / (1.0 - e)) * halfE.sin / halfE.cos) / rad;
  const double r = elements.a * (1.0 - e * CosRad(E * rad)) + terms.r;
  const double u = Normalize360(v + elements.L - elements.M - elements.Omega + terms.u);
  const double l = ReduceToEcliptic(u, elements.i) + elements.Omega + terms.l;
  const double b = ArcSinDeg(SinRad(u * rad) * SinRad(elements.i * rad)) + terms.b;
  return HeliocentricPosition{l, b, r};
}

EclipticPosition GeocentricPosition(const EclipticPosition& sun, const HeliocentricPosition& h) {
  const double rad = DegToRad();
  const SinCosValue l = SinCosRad(h.longitudeDeg * rad);
  const SinCosValue b = SinCosRad(h.latitudeDeg * rad);
  const SinCosValue s = SinCosRad(sun.longitudeDeg * rad);
  const double x = h.radiusAu * b.cos * l.cos;
  const double y = h.radiusAu * b.cos * l.sin;
  const double z = h.radiusAu * b.sin;
  const double X = sun.radiusAu * s.cos + x;
  const double Y = sun.radiusAu * s.sin + y;
  const double Z = z;
  EclipticPosition p;
  p.longitudeDeg = QuadrantAngle(Y, X);
  p.latitudeDeg = ArcSinDeg(Z / std::sqrt(X * X + Y * Y + Z * Z));
  return p;
}

}  // namespace caelix

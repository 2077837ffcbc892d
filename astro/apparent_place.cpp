#include "astro/apparent_place.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/sun.h"

namespace caelix {

namespace {

constexpr double kIterationTolerance = 1e-10;         // degrees
constexpr double kAberration = 0.005691666666666666;  // 20.49" in degrees

// Sines and cosines of a right ascension and a declination, degrees.
struct EquatorialTrig {
  double sinA, cosA, sinD, cosD;
};

EquatorialTrig TrigOf(double aDeg, double dDeg) {
  const double rad = DegToRad();
  return {std::sin(aDeg * rad), std::cos(aDeg * rad), std::sin(dDeg * rad), std::cos(dDeg * rad)};
}

// The aberration iteration from (alpha, delta), whose sines and cosines are first.
EquatorialOffset Aberration(const ApparentPlaceContext& c, double alpha, double delta, EquatorialTrig trig) {
  double a = alpha;
  double d = delta;
  for (int pass = 0; pass < kMaxApparentPlacePasses; ++pass) {
    const double aNext = alpha - kAberration * (trig.cosA * c.cosSunCosEps0 + trig.sinA * c.sinSun) / trig.cosD;
    const double dNext = delta - kAberration * (c.cosSunCosEps0 * (c.tanEps0 * trig.cosD - trig.sinA * trig.sinD) +
                                                trig.cosA * trig.sinD * c.sinSun);
    const bool settled = std::fabs(aNext - a) <= kIterationTolerance && std::fabs(dNext - d) <= kIterationTolerance;
    a = aNext;
    d = dNext;
    if (settled) break;
    trig = TrigOf(a, d);
  }
  return {a - alpha, d - delta};
}

}  // namespace

ApparentPlaceContext MakeApparentPlaceContext(const NutationOfDate& n) {
  const double rad = DegToRad();
  ApparentPlaceContext c{};
  c.meanObliquityDeg = n.meanObliquityDeg;
  const double eps0 = n.meanObliquityDeg * rad;
  c.sinEps0 = std::sin(eps0);
  c.cosEps0 = std::cos(eps0);
  c.tanEps0 = c.sinEps0 / c.cosEps0;
  c.nutationLongitudeDeg = n.nutation.longitudeArcsec / 3600.0;
  c.nutationObliquityDeg = n.nutation.obliquityArcsec / 3600.0;
  const double sun = SunTrueLongitude(n.T) * rad;
  c.cosSunCosEps0 = std::cos(sun) * c.cosEps0;
  c.sinSun = std::sin(sun);
  const double eps = (n.meanObliquityDeg + c.nutationObliquityDeg) * rad;
  c.sinEps = std::sin(eps);
  c.cosEps = std::cos(eps);
  return c;
}

EquatorialOffset AnnualAberration(double jd, double rightAscensionDeg, double declinationDeg) {
  const ApparentPlaceContext c = MakeApparentPlaceContext(ComputeNutationOfDate(jd));
  return Aberration(c, rightAscensionDeg, declinationDeg, TrigOf(rightAscensionDeg, declinationDeg));
}

ApparentPosition ApparentPlace(double jd, double longitudeDeg, double latitudeDeg) {
  return ApparentPlace(MakeApparentPlaceContext(ComputeNutationOfDate(jd)), longitudeDeg, latitudeDeg);
}

ApparentPosition ApparentPlace(const ApparentPlaceContext& c, double longitudeDeg, double latitudeDeg) {
  const double rad = DegToRad();
  const double lam = longitudeDeg * rad;
  const double bet = latitudeDeg * rad;
  const double sinLam = std::sin(lam);
  const double cosBet = std::cos(bet);
  const double sinBet = std::sin(bet);

  const double delta = ArcSinDeg(sinLam * cosBet * c.sinEps0 + sinBet * c.cosEps0);
  const double alpha = QuadrantAngle(sinLam * cosBet * c.cosEps0 - sinBet * c.sinEps0, std::cos(lam) * cosBet);
  const double dPsi = c.nutationLongitudeDeg;
  const double dEps = c.nutationObliquityDeg;

  // Nutation in right ascension and declination, by fixed-point iteration from the mean place.
  const EquatorialTrig mean = TrigOf(alpha, delta);
  EquatorialTrig trig = mean;
  double ak = alpha;
  double dk = delta;
  for (int pass = 0; pass < kMaxApparentPlacePasses; ++pass) {
    const double tanD = trig.sinD / trig.cosD;
    const double aNext = alpha + (c.cosEps0 + c.sinEps0 * trig.sinA * tanD) * dPsi - trig.cosA * tanD * dEps;
    const double dNext = delta + c.sinEps0 * trig.cosA * dPsi + trig.sinA * dEps;
    const bool settled = std::fabs(aNext - ak) <= kIterationTolerance && std::fabs(dNext - dk) <= kIterationTolerance;
    ak = aNext;
    dk = dNext;
    if (settled) break;
    trig = TrigOf(ak, dk);
  }

  // Annual aberration of the mean place.
  const EquatorialOffset ab = Aberration(c, alpha, delta, mean);
  const double a1 = (ak + ab.rightAscensionDeg) * rad;
  const double d1Deg = dk + ab.declinationDeg;
  const double d1 = d1Deg * rad;

  ApparentPosition out{};
  out.longitudeDeg =
      QuadrantAngle(std::sin(a1) * std::cos(d1) * c.cosEps + std::sin(d1) * c.sinEps, std::cos(a1) * std::cos(d1));
  out.declinationDeg = d1Deg;
  return out;
}

}  // namespace caelix

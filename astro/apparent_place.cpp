#include "astro/apparent_place.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation.h"
#include "astro/sun.h"
#include "astro/trig.h"

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
  const SinCosValue a = SinCosRad(aDeg * rad);
  const SinCosValue d = SinCosRad(dDeg * rad);
  return {a.sin, a.cos, d.sin, d.cos};
}

// The largest shift from the mean place, radians (0.115 degrees), whose sine and cosine
// RotatedBy takes from the mean place's.
constexpr double kMaxShiftRad = 2e-3;

// sin(a + h) and cos(a + h) from sin a and cos a for |h| <= kMaxShiftRad: sin h and cos h - 1 by
// their Taylor polynomials to h^5 and h^4, whose remainders are below h^7 / 5040 < 3e-23 and
// h^6 / 720 < 1e-19.
SinCosValue RotatedBy(double sinA, double cosA, double h) {
  const double h2 = h * h;
  const double sinH = h * (1.0 - h2 * (1.0 / 6.0) * (1.0 - h2 * (1.0 / 20.0)));
  const double cosHMinus1 = -0.5 * h2 * (1.0 - h2 * (1.0 / 12.0));
  return {sinA + (sinA * cosHMinus1 + cosA * sinH), cosA + (cosA * cosHMinus1 - sinA * sinH)};
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
  c.sinEps0 = SinRad(eps0);
  c.cosEps0 = CosRad(eps0);
  c.tanEps0 = c.sinEps0 / c.cosEps0;
  c.nutationLongitudeDeg = n.nutation.longitudeArcsec / 3600.0;
  c.nutationObliquityDeg = n.nutation.obliquityArcsec / 3600.0;
  const double sun = SunTrueLongitude(n.T) * rad;
  c.cosSunCosEps0 = CosRad(sun) * c.cosEps0;
  c.sinSun = SinRad(sun);
  const double eps = (n.meanObliquityDeg + c.nutationObliquityDeg) * rad;
  c.sinEps = SinRad(eps);
  c.cosEps = CosRad(eps);
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
  const SinCosValue lam = SinCosRad(longitudeDeg * rad);
  const SinCosValue bet = SinCosRad(latitudeDeg * rad);

  const double delta = ArcSinDeg(lam.sin * bet.cos * c.sinEps0 + bet.sin * c.cosEps0);
  const double alpha = QuadrantAngle(lam.sin * bet.cos * c.cosEps0 - bet.sin * c.sinEps0, lam.cos * bet.cos);
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
  const double d1Deg = dk + ab.declinationDeg;
  const EquatorialTrig t1 = TrigOf(ak + ab.rightAscensionDeg, d1Deg);

  ApparentPosition out{};
  out.longitudeDeg = QuadrantAngle(t1.sinA * t1.cosD * c.cosEps + t1.sinD * c.sinEps, t1.cosA * t1.cosD);
  out.declinationDeg = d1Deg;
  return out;
}

ApparentPosition ApparentPlaceByAngleAddition(const ApparentPlaceContext& c, double longitudeDeg, double latitudeDeg) {
  const double rad = DegToRad();
  const double dPsi = c.nutationLongitudeDeg;
  const double dEps = c.nutationObliquityDeg;
  const SinCosValue lam = SinCosRad(longitudeDeg * rad);
  const SinCosValue bet = latitudeDeg == 0.0 ? SinCosValue{0.0, 1.0} : SinCosRad(latitudeDeg * rad);

  // The mean place's sines and cosines are those of its unit vector (x, y, z).
  const double x = lam.cos * bet.cos;
  const double y = lam.sin * bet.cos * c.cosEps0 - bet.sin * c.sinEps0;
  const double z = lam.sin * bet.cos * c.sinEps0 + bet.sin * c.cosEps0;
  const double cosD = std::sqrt(x * x + y * y);
  // With cos delta >= 0.2 and |dPsi| + |dEps| <= 0.01 degrees, nutation moves the place by at
  // most 0.06 degrees and aberration by 0.04: every shift below stays within kMaxShiftRad.
  // Nearer the poles of the equator, or with a nutation far beyond its range, the plain iteration.
  if (!(cosD >= 0.2 && std::fabs(dPsi) + std::fabs(dEps) <= 0.01 && longitudeDeg >= 0.0 && longitudeDeg < 360.0)) {
    return ApparentPlace(c, longitudeDeg, latitudeDeg);
  }
  const double sinA = y / cosD;
  const double cosA = x / cosD;
  const double sinD = z;

  // Nutation and annual aberration in right ascension and declination, in degrees from the mean
  // place: the two fixed-point iterations side by side, each pass of each one as the plain
  // iteration makes it, each stopping on its own.
  const SinCosValue meanA{sinA, cosA};
  const SinCosValue meanD{sinD, cosD};
  SinCosValue na = meanA, nd = meanD, ba = meanA, bd = meanD;
  double nutA = 0.0, nutD = 0.0, abA = 0.0, abD = 0.0;
  bool nutationSettled = false, aberrationSettled = false;
  for (int pass = 0; pass < kMaxApparentPlacePasses && !(nutationSettled && aberrationSettled); ++pass) {
    if (!nutationSettled) {
      const double tanD = nd.sin / nd.cos;
      const double aNext = (c.cosEps0 + c.sinEps0 * na.sin * tanD) * dPsi - na.cos * tanD * dEps;
      const double dNext = c.sinEps0 * na.cos * dPsi + na.sin * dEps;
      nutationSettled =
          std::fabs(aNext - nutA) <= kIterationTolerance && std::fabs(dNext - nutD) <= kIterationTolerance;
      nutA = aNext;
      nutD = dNext;
      if (!nutationSettled) {
        na = RotatedBy(sinA, cosA, nutA * rad);
        nd = RotatedBy(sinD, cosD, nutD * rad);
      }
    }
    if (!aberrationSettled) {
      const double aNext = -kAberration * (ba.cos * c.cosSunCosEps0 + ba.sin * c.sinSun) / bd.cos;
      const double dNext =
          -kAberration * (c.cosSunCosEps0 * (c.tanEps0 * bd.cos - ba.sin * bd.sin) + ba.cos * bd.sin * c.sinSun);
      aberrationSettled =
          std::fabs(aNext - abA) <= kIterationTolerance && std::fabs(dNext - abD) <= kIterationTolerance;
      abA = aNext;
      abD = dNext;
      if (!aberrationSettled) {
        ba = RotatedBy(sinA, cosA, abA * rad);
        bd = RotatedBy(sinD, cosD, abD * rad);
      }
    }
  }

  // Back to the ecliptic of date, as a small turn from the mean longitude.
  const SinCosValue a = RotatedBy(sinA, cosA, (nutA + abA) * rad);
  const SinCosValue d = RotatedBy(sinD, cosD, (nutD + abD) * rad);
  const double X = a.cos * d.cos;
  const double Y = a.sin * d.cos * c.cosEps + d.sin * c.sinEps;
  ApparentPosition out{};
  out.declinationDeg = ArcSinDeg(z) + (nutD + abD);
  const double along = X * lam.cos + Y * lam.sin;
  const double t = (Y * lam.cos - X * lam.sin) / along;
  if (!(along > 0.0 && std::fabs(t) <= kMaxShiftRad)) {
    out.longitudeDeg = QuadrantAngle(Y, X);
    return out;
  }
  // atan t by its Taylor polynomial to t^5: the remainder is below t^7 / 7 < 2e-20.
  const double t2 = t * t;
  out.longitudeDeg = ReduceOnce(longitudeDeg + t * (1.0 - t2 * (1.0 / 3.0 - t2 * (1.0 / 5.0))) / rad);
  return out;
}

}  // namespace caelix

#include "astro/nutation.h"

#include <cmath>
#include <cstddef>
#include <iterator>

#include "astro/angles.h"
#include "astro/time_argument.h"
#include "astro/trig_lanes.h"

namespace caelix {

namespace {

// One argument of the series: multiples of L, Lm, M, Mm and Omega, with the amplitudes of its
// sine in longitude and its cosine in obliquity (seconds of arc, constant and per century).
struct NutationTerm {
  int l, lm, m, mm, omega;
  double psi0, psi1;
  double eps0, eps1;
};

constexpr NutationTerm kNutationTerms[] = {
    // L Lm  M Mm Om     psi      psi T      eps      eps T
    {0, 0, 0, 0, 1, -17.2327, -0.01737, 9.21, 0.00091},
    {2, 0, 0, 0, 0, -1.2729, -0.00013, 0.5522, -0.00029},
    {0, 0, 0, 0, 2, 0.2088, 0.0, -0.0904, 0.0},
    {0, 2, 0, 0, 0, -0.2037, 0.0, 0.0884, 0.0},
    {0, 0, 1, 0, 0, 0.1261, -0.00031, 0.0, 0.0},
    {0, 0, 0, 1, 0, 0.0675, 0.0, 0.0, 0.0},
    {2, 0, 1, 0, 0, -0.0497, 0.00012, 0.0216, 0.0},
    {0, 2, 0, 0, -1, -0.0342, 0.0, 0.0183, 0.0},
    {0, 2, 0, 1, 0, -0.0261, 0.0, 0.0113, 0.0},
    {2, 0, -1, 0, 0, 0.0214, 0.0, -0.0093, 0.0},
    {2, -2, 0, 1, 0, -0.0149, 0.0, 0.0, 0.0},
    {2, 0, 0, 0, -1, 0.0124, 0.0, -0.0066, 0.0},
    {0, 2, 0, -1, 0, 0.0114, 0.0, 0.0, 0.0},
};

}  // namespace

NutationValue Nutation(double T) {
  const FundamentalArguments a = ComputeFundamentalArguments(T);
  constexpr std::size_t kCount = std::size(kNutationTerms);
  double args[kCount], sines[kCount], cosines[kCount];
  for (std::size_t i = 0; i < kCount; ++i) {
    const NutationTerm& t = kNutationTerms[i];
    args[i] = (t.l * a.L + t.lm * a.Lm + t.m * a.M + t.mm * a.Mm + t.omega * a.Omega) * DegToRad();
  }
  SinCosMany(args, sines, cosines, kCount);
  NutationValue n{0.0, 0.0};
  for (std::size_t i = 0; i < kCount; ++i) {
    const NutationTerm& t = kNutationTerms[i];
    n.longitudeArcsec += (t.psi0 + t.psi1 * T) * sines[i];
    if (t.eps0 != 0.0) n.obliquityArcsec += (t.eps0 + t.eps1 * T) * cosines[i];
  }
  return n;
}

double MeanObliquity(double T) { return 23.452294 - 0.0130125 * T - 0.00000164 * T * T + 0.000000503 * T * T * T; }

double TrueObliquity(double jd) { return ComputeNutationOfDate(jd).trueObliquityDeg; }

NutationOfDate ComputeNutationOfDate(double jd) {
  NutationOfDate n{};
  n.T = CenturiesSince1900(jd);
  n.nutation = Nutation(n.T);
  n.meanObliquityDeg = MeanObliquity(n.T);
  n.trueObliquityDeg = n.meanObliquityDeg + n.nutation.obliquityArcsec / 3600.0;
  return n;
}

}  // namespace caelix

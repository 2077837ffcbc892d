#include "astro/moon.h"

#include <cmath>
#include <cstddef>

#include "astro/angles.h"
#include "astro/time_argument.h"
#include "astro/trig_lanes.h"

namespace caelix {

namespace {

// amplitude (degrees) x E^e x sin(d D + m M + mm Mm + f F)
struct MoonTerm {
  double amplitude;
  int d, m, mm, f;
  int e;  // 1 when the term carries the eccentricity factor E
};

constexpr MoonTerm kLongitudeTerms[] = {
    // amplitude  D   M  Mm   F  E
    {+0.214, 0, 0, 2, 0, 0},  {+6.289, 0, 0, 1, 0, 0},  {+0.658, 2, 0, 0, 0, 0},   {+1.274, 2, 0, -1, 0, 0},
    {-0.186, 0, 1, 0, 0, 1},  {-0.114, 0, 0, 0, 2, 0},  {+0.057, 2, -1, -1, 0, 1}, {+0.059, 2, 0, -2, 0, 0},
    {+0.046, 2, -1, 0, 0, 1}, {+0.041, 0, -1, 1, 0, 1}, {+0.053, 2, 0, 1, 0, 0},   {-0.035, 1, 0, 0, 0, 0},
    {-0.030, 0, 1, 1, 0, 1},  {+0.015, 2, 0, 0, -2, 0}, {-0.013, 0, 0, 1, 2, 0},   {-0.011, 0, 0, -1, 2, 0},
    {+0.011, 4, 0, -1, 0, 0}, {+0.010, 0, 0, 3, 0, 0},  {+0.009, 4, 0, -2, 0, 0},  {-0.008, 2, 1, -1, 0, 1},
    {-0.007, 2, 1, 0, 0, 1},  {+0.005, 1, 1, 0, 0, 1},  {+0.005, -1, 0, 1, 0, 0},
};

constexpr MoonTerm kLatitudeTerms[] = {
    // amplitude  D   M  Mm   F  E
    {+0.281, 0, 0, 1, 1, 0},  {+0.278, 0, 0, 1, -1, 0},  {+5.128, 0, 0, 0, 1, 0}, {+0.046, 2, 0, -1, -1, 0},
    {+0.173, 2, 0, 0, -1, 0}, {+0.055, 2, 0, -1, 1, 0},  {+0.033, 2, 0, 0, 1, 0}, {+0.009, 0, 0, 2, -1, 0},
    {+0.009, 2, 0, 1, -1, 0}, {+0.008, 2, -1, 0, -1, 1}, {+0.017, 0, 0, 2, 1, 0},
};

template <std::size_t N>
double SumTerms(const MoonTerm (&terms)[N], double D, double M, double Mm, double F, double E) {
  const double rad = DegToRad();
  double args[N], sines[N], cosines[N];
  for (std::size_t i = 0; i < N; ++i) {
    const MoonTerm& t = terms[i];
    args[i] = (t.d * D + t.m * M + t.mm * Mm + t.f * F) * rad;
  }
  SinCosMany(args, sines, cosines, N);
  double sum = 0.0;
  for (std::size_t i = 0; i < N; ++i) sum += (terms[i].e != 0 ? E : 1.0) * terms[i].amplitude * sines[i];
  return sum;
}

}  // namespace

EclipticPosition MoonPosition(double jd) {
  const double T = CenturiesSince1900(jd);
  const double T2 = T * T;
  const double T3 = T2 * T;
  const double rad = DegToRad();

  const double Lm0 = 270.434164 + 481267.8831 * T - 0.001133 * T2 + 0.000002 * T3;
  const double M = 358.475833 + 35999.0498 * T - 0.00015 * T2 - 0.000003 * T3;
  const double Mm0 = 296.104608 + 477198.8491 * T + 0.009192 * T2 + 0.000014 * T3;
  const double D0 = 350.737486 + 445267.1142 * T - 0.001436 * T2 + 0.000002 * T3;
  const double F0 = 11.250889 + 483202.0251 * T - 0.003211 * T2;
  const double omega = 259.183275 - 1934.142 * T + 0.002078 * T2 + 0.000002 * T3;
  const double E = 1.0 - 0.002495 * T - 0.000008 * T2;

  const double additive = 0.004 * SinRad((364.56 + 132.87 * T - 0.009 * T2) * rad);
  const double omega2 = omega + 275.05 - 2.3 * T;
  const double sinOmega = SinRad(omega * rad);
  const double sinOmega2 = SinRad(omega2 * rad);

  const double Lm = Lm0 + additive;
  const double Mm = Mm0 + additive;
  const double D = D0 + additive;
  const double F = F0 + additive - 0.025 * sinOmega - 0.004 * sinOmega2;

  EclipticPosition p;
  p.longitudeDeg = Normalize360(Lm + SumTerms(kLongitudeTerms, D, M, Mm, F, E));
  const double B = SumTerms(kLatitudeTerms, D, M, Mm, F, E);
  p.latitudeDeg = B * (1.0 - 0.0004664 * CosRad(omega * rad) - 0.0000754 * CosRad(omega2 * rad));
  return p;
}

}  // namespace caelix

#include <array>

#include "astro/angles.h"
#include "astro/perturbation_arguments.h"
#include "astro/planet_frame.h"
#include "astro/planet_series.h"
#include "astro/planets.h"
#include "astro/time_argument.h"

namespace caelix {

namespace {

constexpr MeanElementTable kNeptuneElements = {
    //       c0          c1          c2           c3
    .L = {84.457994, 219.885914, 0.0003205, -0.0000006},
    .M = {37.73063, 218.46134, -0.000071},
    .e = {0.00899704, 0.00000633, -0.000000002},
    .a = {30.10957},
    .i = {1.779242, -0.0095436, -0.0000091},
    .Omega = {130.681389, 1.098935, 0.00024987, -0.000004718},
};

// The auxiliary angles, from P, Q, S, G (Jupiter to Neptune): H = 2G - S, zeta = G - P,
// eta = G - Q, theta = G - S, and G itself.
constexpr AngleId H{0}, Zeta{1}, Eta{2}, Theta{3}, G{4};
constexpr int kAngleCount = 5;

// Each row: argument, then the coefficient's constant, nu and nu^2 parts.
// A: added to L and M, degrees.
constexpr ProductTerm kA[] = {
    {Sin(H), -0.589833, +0.001089},
    {Cos(H), -0.056094, +0.004658},
    {Sin(2 * H), -0.024286},
};

// B: the perihelion correction, entering M as -B / e, degrees.
constexpr ProductTerm kB[] = {
    {Sin(H), +0.024039},
    {Cos(H), -0.025303},
    {Sin(2 * H), +0.006206},
    {Cos(2 * H), -0.005992},
};

// Delta e, units of 1e-7.
constexpr ProductTerm kDeltaE[] = {
    {Sin(H), +4389},
    {Cos(H), +4262},
    {Sin(2 * H), +1129},
    {Cos(2 * H), +1089},
};

// Delta a, AU.
constexpr ProductTerm kDeltaA[] = {
    {Sin(H), -0.000817},
    {Cos(H), +0.008189},
    {Cos(2 * H), +0.000781},
};

// Added to the heliocentric longitude, degrees.
constexpr ProductTerm kLongitudeTerms[] = {
    {Sin(Zeta), -0.009556},
    {Sin(Eta), -0.005178},
    {Sin(2 * Theta), +0.002572},
    {Cos(2 * Theta) * Sin(G), -0.002972},
    {Sin(2 * Theta) * Cos(G), -0.002833},
};

// Added to the heliocentric latitude, degrees.
constexpr ProductTerm kLatitudeTerms[] = {
    {Cos(2 * Theta) * Sin(G), +0.000336},
    {Sin(2 * Theta) * Cos(G), +0.000364},
};

// Added to the distance, units of 1e-6 AU.
constexpr ProductTerm kDistanceTerms[] = {
    {kConstantTerm, -40596}, {Cos(Zeta), +4992}, {Cos(Eta), +2744}, {Cos(Theta), +2044}, {Cos(2 * Theta), +1051},
};

static_assert(FitsTrigCache(kA, kAngleCount) && FitsTrigCache(kB, kAngleCount) && FitsTrigCache(kDeltaE, kAngleCount) &&
              FitsTrigCache(kDeltaA, kAngleCount) && FitsTrigCache(kLongitudeTerms, kAngleCount) &&
              FitsTrigCache(kLatitudeTerms, kAngleCount) && FitsTrigCache(kDistanceTerms, kAngleCount));

}  // namespace

EclipticPosition NeptunePosition(double jd, const EclipticPosition& sun) {
  const double T = CenturiesSince1900(jd);
  const double nu = Evaluate(kOuterTimeVariable, T);
  const double P = Evaluate(kJupiterAngle, T);
  const double q = Evaluate(kSaturnAngle, T);
  const double s = Evaluate(kUranusAngle, T);
  const double g = Evaluate(kNeptuneAngle, T);
  const std::array<double, kAngleCount> angles{2.0 * g - s, g - P, g - q, g - s, g};
  const TrigCache cache(angles);
  const PlanetElements elements = CorrectedElements(
      MeanElements(kNeptuneElements, T), SumProductTerms(kA, cache, nu), SumProductTerms(kB, cache, nu),
      SumProductTerms(kDeltaE, cache, nu) * 0.0000001, SumProductTerms(kDeltaA, cache, nu));
  FrameTerms terms;
  terms.l = SumProductTerms(kLongitudeTerms, cache, nu);
  terms.b = SumProductTerms(kLatitudeTerms, cache, nu);
  terms.r = SumProductTerms(kDistanceTerms, cache, nu) * 0.000001;
  return GeocentricPosition(sun, OrbitPosition(elements, ConvergenceEpsilon(), terms));
}

}  // namespace caelix

#include <array>

#include "astro/angles.h"
#include "astro/perturbation_arguments.h"
#include "astro/planet_frame.h"
#include "astro/planet_series.h"
#include "astro/planets.h"
#include "astro/time_argument.h"

namespace caelix {

namespace {

constexpr MeanElementTable kJupiterElements = {
    //       c0          c1           c2             c3
    .L = {238.049257, 3036.301986, 0.0003347, -0.00000165},
    .M = {225.32833, 3034.69202, -0.000722},
    .e = {0.04833475, 0.00016418, -0.0000004676, -0.0000000017},
    .a = {5.202561},
    .i = {1.308736, -0.0056961, 0.0000039},
    .Omega = {99.443414, 1.01053, 0.00035222, -0.00000851},
};

// The auxiliary angles: V = 5Q - 2P, W = 2P - 6Q + 3S, zeta = Q - P, and Q (Saturn).
constexpr AngleId V{0}, W{1}, Zeta{2}, Q{3};
constexpr int kAngleCount = 4;

// Each row: argument, then the coefficient's constant, nu and nu^2 parts.
// A: added to L and M, degrees.
constexpr ProductTerm kA[] = {
    {Sin(V), +0.331364, -0.010281, -0.004692},
    {Cos(V), +0.003228, -0.064436, +0.002075},
    {Sin(2 * V), -0.003083, -0.000275, +0.000489},
    {Sin(W), +0.002472},
    {Sin(Zeta), +0.013619},
    {Sin(2 * Zeta), +0.018472},
    {Sin(3 * Zeta), +0.006717},
    {Sin(4 * Zeta), +0.002775},
    {Sin(Zeta) * Sin(Q), +0.007275, -0.001253},
    {Cos(Zeta) * Sin(Q), -0.033839, -0.001125},
    {Sin(2 * Zeta) * Sin(Q), +0.006417},
    {Cos(2 * Zeta) * Sin(Q), -0.003767},
    {Sin(3 * Zeta) * Sin(Q), +0.002439},
    {Cos(Q), +0.002178},
    {Sin(Zeta) * Cos(Q), -0.035681, -0.001208},
    {Cos(Zeta) * Cos(Q), -0.00633, +0.001161},
    {Sin(2 * Zeta) * Cos(Q), -0.004261},
    {Cos(2 * Zeta) * Cos(Q), -0.006675},
    {Cos(3 * Zeta) * Cos(Q), -0.002664},
    {Sin(Zeta) * Sin(2 * Q), -0.002572},
    {Sin(2 * Zeta) * Sin(2 * Q), -0.003567},
    {Cos(Zeta) * Cos(2 * Q), +0.002094},
    {Cos(2 * Zeta) * Cos(2 * Q), +0.003342},
};

// B: the perihelion correction, entering M as -B / e, degrees.
constexpr ProductTerm kB[] = {
    {Sin(V), +0.007192, -0.003147},
    {Cos(V), -0.020428, -0.000675, +0.000197},
    {Sin(Q), -0.004344},
    {Sin(Zeta) * Sin(Q), +0.007269, +0.000672},
    {Cos(Zeta) * Sin(Q), +0.034036},
    {Cos(2 * Zeta) * Sin(Q), +0.005614},
    {Cos(3 * Zeta) * Sin(Q), +0.002964},
    {Sin(Zeta) * Cos(Q), +0.037761},
    {Cos(Zeta) * Cos(Q), -0.006603},
    {Sin(2 * Zeta) * Cos(Q), +0.006158},
    {Sin(Zeta) * Sin(2 * Q), -0.005356},
    {Cos(Zeta) * Sin(2 * Q), +0.004483},
    {Sin(2 * Zeta) * Sin(2 * Q), +0.002722},
    {Cos(2 * Zeta) * Sin(2 * Q), -0.002642},
    {Sin(Zeta) * Cos(2 * Q), +0.004403},
    {Cos(Zeta) * Cos(2 * Q), +0.005547},
    {Sin(2 * Zeta) * Cos(2 * Q), -0.002536},
    {Cos(2 * Zeta) * Cos(2 * Q), -0.002689},
};

// Delta e, units of 1e-7.
constexpr ProductTerm kDeltaE[] = {
    {Sin(V), +3606, +130, -43},
    {Cos(V), +1289, -580},
    {Sin(Q), -204},
    {Sin(Zeta) * Sin(Q), -6764},
    {Cos(Zeta) * Sin(Q), +1284, +116},
    {Sin(2 * Zeta) * Sin(Q), -1110},
    {Cos(2 * Zeta) * Sin(Q), +188},
    {Sin(3 * Zeta) * Sin(Q), -224},
    {Cos(Q), -817},
    {Sin(Zeta) * Cos(Q), +1460, +130},
    {Cos(Zeta) * Cos(Q), +6074},
    {Sin(2 * Zeta) * Cos(Q), +224},
    {Cos(2 * Zeta) * Cos(Q), +992},
    {Cos(3 * Zeta) * Cos(Q), +508},
    {Cos(4 * Zeta) * Cos(Q), +230},
    {Cos(5 * Zeta) * Cos(Q), +108},
    {Sin(Zeta) * Sin(2 * Q), -956, -73},
    {Cos(Zeta) * Sin(2 * Q), -997, +108},
    {Sin(2 * Zeta) * Sin(2 * Q), +448},
    {Cos(2 * Zeta) * Sin(2 * Q), +480},
    {Sin(3 * Zeta) * Sin(2 * Q), +137},
    {Cos(3 * Zeta) * Sin(2 * Q), +148},
    {Cos(2 * Q), +179},
    {Sin(Zeta) * Cos(2 * Q), -956, +99},
    {Cos(Zeta) * Cos(2 * Q), +1024, +75},
    {Sin(2 * Zeta) * Cos(2 * Q), +490},
    {Cos(2 * Zeta) * Cos(2 * Q), -437},
    {Sin(3 * Zeta) * Cos(2 * Q), +158},
    {Cos(3 * Zeta) * Cos(2 * Q), -132},
};

// Delta a, units of 1e-6 AU.
constexpr ProductTerm kDeltaA[] = {
    {Cos(V), -263},
    {Cos(Zeta), +205},
    {Cos(2 * Zeta), +693},
    {Cos(3 * Zeta), +312},
    {Cos(4 * Zeta), +147},
    {Sin(Zeta) * Sin(Q), +299},
    {Cos(2 * Zeta) * Sin(Q), +181},
    {Cos(Zeta) * Cos(Q), -337},
    {Sin(2 * Zeta) * Cos(Q), +204},
    {Cos(2 * Zeta) * Cos(Q), -111},
    {Sin(3 * Zeta) * Cos(Q), +111},
};

static_assert(FitsTrigCache(kA, kAngleCount) && FitsTrigCache(kB, kAngleCount) && FitsTrigCache(kDeltaE, kAngleCount) &&
              FitsTrigCache(kDeltaA, kAngleCount));

}  // namespace

EclipticPosition JupiterPosition(double jd, const EclipticPosition& sun) {
  const double T = CenturiesSince1900(jd);
  const double nu = Evaluate(kOuterTimeVariable, T);
  const double P = Evaluate(kJupiterAngle, T);
  const double q = Evaluate(kSaturnAngle, T);
  const double S = Evaluate(kUranusAngle, T);
  const std::array<double, kAngleCount> angles{5.0 * q - 2.0 * P, 2.0 * P - 6.0 * q + 3.0 * S, q - P, q};
  const TrigCache cache(angles);
  const PlanetElements elements = CorrectedElements(
      MeanElements(kJupiterElements, T), SumProductTerms(kA, cache, nu), SumProductTerms(kB, cache, nu),
      SumProductTerms(kDeltaE, cache, nu) * 0.0000001, SumProductTerms(kDeltaA, cache, nu) * 0.000001);
  return GeocentricPosition(sun, OrbitPosition(elements, ConvergenceEpsilon(), FrameTerms{}));
}

}  // namespace caelix

#include <array>

#include "astro/angles.h"
#include "astro/perturbation_arguments.h"
#include "astro/planet_frame.h"
#include "astro/planet_series.h"
#include "astro/planets.h"
#include "astro/time_argument.h"

namespace caelix {

namespace {

constexpr MeanElementTable kUranusElements = {
    //       c0          c1          c2           c3
    .L = {244.19747, 429.863546, 0.000316, -0.0000006},
    .M = {72.648778, 428.379113, 0.000078},
    .e = {0.0463444, -0.00002658, 0.000000077},
    .a = {19.21814},
    .i = {0.772464, 0.0006253, 0.0000395},
    .Omega = {73.477111, 0.4986678, 0.0013117},
};

// The auxiliary angles, from P, Q, S, G (Jupiter to Neptune): H = 2G - S, W = 2P - 6Q + 3S,
// zeta = S - P, eta = S - Q, theta = G - S, S itself, and the sums S + eta, 2S + eta, S + 3 theta.
constexpr AngleId H{0}, W{1}, Zeta{2}, Eta{3}, Theta{4}, S{5}, SPlusEta{6}, TwoSPlusEta{7}, SPlusThreeTheta{8};
constexpr int kAngleCount = 9;

// Each row: argument, then the coefficient's constant, nu and nu^2 parts.
// A: added to L and M, degrees.
constexpr ProductTerm kA[] = {
    {Sin(H), +0.864319, -0.001583},
    {Cos(H), +0.082222, -0.006833},
    {Sin(2 * H), +0.036017},
    {Cos(2 * H), -0.003019},
    {Sin(W), +0.008122},
};

// B: the perihelion correction, entering M as -B / e, degrees.
constexpr ProductTerm kB[] = {
    {Sin(H), +0.120303},
    {Cos(H), +0.019472, -0.000947},
    {Sin(2 * H), +0.006197},
};

// Delta e, units of 1e-7.
constexpr ProductTerm kDeltaE[] = {
    {Sin(H), -3349, +163},
    {Cos(H), +20981},
    {Cos(2 * H), +1311},
};

// Delta a, AU.
constexpr ProductTerm kDeltaA[] = {
    {Cos(H), -0.003825},
};

// Added to the heliocentric longitude, degrees.
constexpr ProductTerm kLongitudeTerms[] = {
    {Sin(SPlusEta), +0.010122, -0.000988},
    {Cos(SPlusEta), -0.038581, +0.002031, -0.00191},
    {Cos(TwoSPlusEta), +0.034964, -0.001038, +0.000868},
    {Sin(SPlusThreeTheta), +0.005594},
    {Sin(Zeta), -0.014808},
    {Sin(Eta), -0.005794},
    {Cos(Eta), +0.002347},
    {Sin(Theta), +0.009872},
    {Sin(2 * Theta), +0.008803},
    {Sin(3 * Theta), -0.004308},
};

// Added to the heliocentric latitude, degrees.
constexpr ProductTerm kLatitudeTerms[] = {
    {Sin(Eta) * Sin(S), +0.000458},           {Cos(Eta) * Sin(S), -0.000642},
    {Cos(4 * Theta) * Sin(S), -0.000517},     {Sin(Eta) * Cos(S), -0.000347},
    {Cos(Eta) * Cos(S), -0.000853},           {Sin(4 * Eta) * Cos(S), -0.000517},
    {Cos(2 * Theta) * Sin(2 * S), +0.000403}, {Sin(2 * Theta) * Cos(2 * S), +0.000403},
};

// Added to the distance, units of 1e-6 AU.
constexpr ProductTerm kDistanceTerms[] = {
    {kConstantTerm, -25948},
    {Cos(Zeta), +4985},
    {Cos(Eta), +3354},
    {Cos(Theta), +894},
    {Cos(2 * Theta), +904},
    {Cos(3 * Theta), -894},
    {Cos(S), -1230},
    {Sin(Eta) * Sin(S), -1165},
    {Cos(Eta) * Sin(S), +5702},
    {Sin(Eta) * Cos(S), +5795},
    {Cos(Eta) * Cos(S), +1351},
    {Cos(Eta) * Sin(2 * S), +1388},
    {Sin(Eta) * Cos(2 * S), +1388},
};

static_assert(FitsTrigCache(kA, kAngleCount) && FitsTrigCache(kB, kAngleCount) && FitsTrigCache(kDeltaE, kAngleCount) &&
              FitsTrigCache(kDeltaA, kAngleCount) && FitsTrigCache(kLongitudeTerms, kAngleCount) &&
              FitsTrigCache(kLatitudeTerms, kAngleCount) && FitsTrigCache(kDistanceTerms, kAngleCount));

}  // namespace

EclipticPosition UranusPosition(double jd, const EclipticPosition& sun) {
  const double T = CenturiesSince1900(jd);
  const double nu = Evaluate(kOuterTimeVariable, T);
  const double P = Evaluate(kJupiterAngle, T);
  const double q = Evaluate(kSaturnAngle, T);
  const double s = Evaluate(kUranusAngle, T);
  const double g = Evaluate(kNeptuneAngle, T);
  const double eta = s - q;
  const double theta = g - s;
  const std::array<double, kAngleCount> angles{
      2.0 * g - s, 2.0 * P - 6.0 * q + 3.0 * s, s - P, eta, theta, s, s + eta, 2.0 * s + eta, s + 3.0 * theta};
  const TrigCache cache(angles);
  const PlanetElements elements = CorrectedElements(
      MeanElements(kUranusElements, T), SumProductTerms(kA, cache, nu), SumProductTerms(kB, cache, nu),
      SumProductTerms(kDeltaE, cache, nu) * 0.0000001, SumProductTerms(kDeltaA, cache, nu));
  FrameTerms terms;
  terms.l = SumProductTerms(kLongitudeTerms, cache, nu);
  terms.b = SumProductTerms(kLatitudeTerms, cache, nu);
  terms.r = SumProductTerms(kDistanceTerms, cache, nu) * 0.000001;
  return GeocentricPosition(sun, OrbitPosition(elements, ConvergenceEpsilon(), terms));
}

}  // namespace caelix

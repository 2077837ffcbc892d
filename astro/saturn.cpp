#include <array>

#include "astro/angles.h"
#include "astro/perturbation_arguments.h"
#include "astro/planet_frame.h"
#include "astro/planet_series.h"
#include "astro/planets.h"
#include "astro/time_argument.h"

namespace caelix {

namespace {

constexpr MeanElementTable kSaturnElements = {
    //       c0          c1           c2             c3
    .L = {266.564377, 1223.509884, 0.0003245, -0.0000058},
    .M = {175.46622, 1221.551468, -0.000502},
    .e = {0.05589232, -0.0003455, -0.000000728, 0.00000000074},
    .a = {9.554747},
    .i = {2.492519, -0.0039189, -0.00001549, 0.00000004},
    .Omega = {112.790414, 0.8731951, -0.00015218, -0.00000531},
};

// The auxiliary angles: V = 5Q - 2P, W = 2P - 6Q + 3S, zeta = Q - P, Q (Saturn), psi = S - Q.
constexpr AngleId V{0}, W{1}, Zeta{2}, Q{3}, Psi{4};
constexpr int kAngleCount = 5;

// Each row: argument, then the coefficient's constant, nu and nu^2 parts. A cell with two
// numbers is two rows with the same argument.
// A: added to L and M, degrees.
constexpr ProductTerm kA[] = {
    {Sin(V), -0.814181, +0.01815, +0.016714},
    {Cos(V), -0.010497, +0.160906, -0.0041},
    {Sin(2 * V), +0.007581},
    {Sin(W), -0.007986},
    {Sin(Zeta), -0.148811},
    {Sin(2 * Zeta), -0.040786},
    {Sin(3 * Zeta), -0.015208},
    {Sin(4 * Zeta), -0.006339},
    {Sin(Q), -0.006244},
    {Sin(Zeta) * Sin(Q), +0.008931, +0.002728},
    {Cos(Zeta) * Sin(Q), +0.081344, +0.003206},
    {Sin(2 * Zeta) * Sin(Q), -0.0165},
    {Cos(2 * Zeta) * Sin(Q), +0.015019},
    {Sin(3 * Zeta) * Sin(Q), -0.005775},
    {Sin(Zeta) * Cos(Q), +0.085581, +0.002494},
    {Cos(Zeta) * Cos(Q), +0.025328, -0.003117},
    {Cos(2 * Zeta) * Cos(Q), +0.014394},
    {Cos(3 * Zeta) * Cos(Q), +0.006319},
    {Sin(Zeta) * Sin(2 * Q), +0.006369},
    {Sin(2 * Zeta) * Sin(2 * Q), +0.009156},
    {Sin(3 * Psi) * Sin(2 * Q), +0.007525},
    {Cos(Zeta) * Cos(2 * Q), -0.005236},
    {Cos(2 * Zeta) * Cos(2 * Q), -0.007736},
    {Cos(3 * Psi) * Cos(2 * Q), -0.007528},
};

// B: the perihelion correction, entering M as -B / e, degrees.
constexpr ProductTerm kB[] = {
    {Sin(V), +0.077108, +0.007186, -0.001533},
    {Cos(V), +0.045803, -0.014766, -0.000536},
    {Sin(Zeta), -0.007075},
    {Sin(Zeta) * Sin(Q), -0.075825},
    {Sin(2 * Zeta) * Sin(Q), -0.024839},
    {Sin(3 * Zeta) * Sin(Q), -0.008631},
    {Cos(Q), -0.072586},
    {Cos(Zeta) * Cos(Q), -0.150383},
    {Cos(2 * Zeta) * Cos(Q), +0.026897},
    {Cos(3 * Zeta) * Cos(Q), +0.010053},
    {Sin(Zeta) * Sin(2 * Q), -0.013597, -0.001719},
    {Cos(Zeta) * Sin(2 * Q), -0.007742, +0.001517},
    {Cos(2 * Zeta) * Sin(2 * Q), +0.013586, -0.001375},
    {Sin(Zeta) * Cos(2 * Q), -0.013667, +0.001239},
    {Cos(Zeta) * Cos(2 * Q), +0.014861, +0.001136},
    {Sin(2 * Zeta) * Cos(2 * Q), +0.011981},
    {Cos(2 * Zeta) * Cos(2 * Q), -0.013064, -0.001628},
};

// Delta e, units of 1e-7.
constexpr ProductTerm kDeltaE[] = {
    {Sin(V), -7927, +2548, +91},
    {Cos(V), +13381, +1226, -253},
    {Sin(2 * V), +248, -121},
    {Cos(2 * V), -305, -91},
    {Sin(2 * Zeta), +412},
    {Cos(2 * Zeta), -86, +230},
    {Sin(Q), +12415},
    {Sin(Zeta) * Sin(Q), +390, -617},
    {Cos(Zeta) * Sin(Q), +26599},
    {Sin(2 * Zeta) * Sin(Q), +165, -204},
    {Cos(2 * Zeta) * Sin(Q), -4687},
    {Cos(3 * Zeta) * Sin(Q), -1870},
    {Cos(4 * Zeta) * Sin(Q), -821},
    {Cos(5 * Zeta) * Sin(Q), -377},
    {Cos(2 * Psi) * Sin(Q), +497},
    {Cos(Q), +163, -611},
    {Sin(Zeta) * Cos(Q), -12696},
    {Cos(Zeta) * Cos(Q), -282, -1306},
    {Sin(2 * Zeta) * Cos(Q), -4200},
    {Sin(3 * Zeta) * Cos(Q), -1503},
    {Sin(4 * Zeta) * Cos(Q), -619},
    {Sin(5 * Zeta) * Cos(Q), -268},
    {Sin(2 * Psi) * Cos(Q), +461},
    {Sin(2 * Q), -350},
    {Sin(Zeta) * Sin(2 * Q), +2211, -286},
    {Cos(Zeta) * Sin(2 * Q), -2780, -222},
    {Cos(2 * Zeta) * Sin(2 * Q), +2022, +263},
    {Cos(3 * Zeta) * Sin(2 * Q), +248},
    {Sin(3 * Psi) * Sin(2 * Q), +242},
    {Cos(3 * Psi) * Sin(2 * Q), +467},
    {Cos(2 * Q), -490},
    {Sin(Zeta) * Cos(2 * Q), -2842, -279},
    {Cos(Zeta) * Cos(2 * Q), -1594, +282},
    {Sin(2 * Zeta) * Cos(2 * Q), -2208, +226},
    {Sin(2 * Zeta) * Cos(2 * Q), +128},
    {Cos(2 * Zeta) * Cos(2 * Q), +2162, -207},
    {Sin(3 * Zeta) * Cos(2 * Q), -568},
    {Sin(3 * Zeta) * Cos(2 * Q), +224},
    {Cos(3 * Zeta) * Cos(2 * Q), +561},
    {Sin(4 * Zeta) * Cos(2 * Q), -346},
    {Cos(4 * Zeta) * Cos(2 * Q), +343},
    {Sin(3 * Psi) * Cos(2 * Q), +469},
    {Cos(3 * Psi) * Cos(2 * Q), -242},
    {Sin(Zeta) * Sin(3 * Q), -205},
    {Sin(3 * Zeta) * Sin(3 * Q), +262},
    {Cos(Zeta) * Cos(3 * Q), +208},
    {Cos(3 * Zeta) * Cos(3 * Q), -271},
    {Cos(3 * Zeta) * Sin(4 * Q), -382},
    {Sin(3 * Zeta) * Cos(4 * Q), -376},
};

// Delta a, units of 1e-6 AU.
constexpr ProductTerm kDeltaA[] = {
    {Sin(V), 0.0, +572},
    {Cos(V), +2933},
    {Cos(Zeta), +33629},
    {Cos(2 * Zeta), -3081},
    {Cos(3 * Zeta), -1423},
    {Cos(4 * Zeta), -671},
    {Cos(5 * Zeta), -320},
    {Sin(Q), +1098},
    {Cos(Zeta) * Sin(Q), +2138},
    {Cos(2 * Zeta) * Sin(Q), -999},
    {Cos(3 * Zeta) * Sin(Q), -642},
    {Cos(4 * Zeta) * Sin(Q), -325},
    {Cos(Q), -890},
    {Sin(Zeta) * Cos(Q), -2812},
    {Sin(Zeta) * Cos(Q), +2206},
    {Cos(Zeta) * Cos(Q), +2885},
    {Sin(2 * Zeta) * Cos(Q), +688},
    {Sin(2 * Zeta) * Cos(Q), -1590},
    {Cos(2 * Zeta) * Cos(Q), +2172, +102},
    {Sin(3 * Zeta) * Cos(Q), -647},
    {Cos(3 * Zeta) * Cos(Q), -393},
    {Cos(3 * Zeta) * Cos(Q), +296},
    {Sin(4 * Zeta) * Cos(Q), -344},
    {Cos(4 * Zeta) * Cos(Q), -228},
    {Cos(Zeta) * Sin(2 * Q), -778},
    {Sin(2 * Zeta) * Sin(2 * Q), -267},
    {Cos(2 * Zeta) * Sin(2 * Q), +495},
    {Cos(3 * Zeta) * Sin(2 * Q), +250},
    {Sin(Zeta) * Cos(2 * Q), -856},
    {Sin(2 * Zeta) * Cos(2 * Q), +441},
    {Cos(2 * Zeta) * Cos(2 * Q), +296},
    {Cos(3 * Zeta) * Cos(2 * Q), +211},
    {Sin(Zeta) * Sin(3 * Q), -427},
    {Sin(3 * Zeta) * Sin(3 * Q), +398},
    {Cos(Zeta) * Cos(3 * Q), +344},
    {Cos(3 * Zeta) * Cos(3 * Q), -427},
};

// Added to the heliocentric latitude, degrees.
constexpr ProductTerm kLatitudeTerms[] = {
    {Cos(Zeta) * Sin(Q), +0.000747},         {Cos(Zeta) * Cos(Q), +0.001069},
    {Sin(2 * Zeta) * Sin(2 * Q), +0.002108}, {Cos(2 * Zeta) * Sin(2 * Q), +0.001261},
    {Sin(2 * Zeta) * Cos(2 * Q), +0.001236}, {Cos(2 * Zeta) * Cos(2 * Q), -0.002075},
};

static_assert(FitsTrigCache(kA, kAngleCount) && FitsTrigCache(kB, kAngleCount) && FitsTrigCache(kDeltaE, kAngleCount) &&
              FitsTrigCache(kDeltaA, kAngleCount) && FitsTrigCache(kLatitudeTerms, kAngleCount));

}  // namespace

EclipticPosition SaturnPosition(double jd, const EclipticPosition& sun) {
  const double T = CenturiesSince1900(jd);
  const double nu = Evaluate(kOuterTimeVariable, T);
  const double P = Evaluate(kJupiterAngle, T);
  const double q = Evaluate(kSaturnAngle, T);
  const double S = Evaluate(kUranusAngle, T);
  const std::array<double, kAngleCount> angles{5.0 * q - 2.0 * P, 2.0 * P - 6.0 * q + 3.0 * S, q - P, q, S - q};
  const TrigCache cache(angles);
  const PlanetElements elements = CorrectedElements(
      MeanElements(kSaturnElements, T), SumProductTerms(kA, cache, nu), SumProductTerms(kB, cache, nu),
      SumProductTerms(kDeltaE, cache, nu) * 0.0000001, SumProductTerms(kDeltaA, cache, nu) * 0.000001);
  FrameTerms terms;
  terms.b = SumProductTerms(kLatitudeTerms, cache, nu);
  return GeocentricPosition(sun, OrbitPosition(elements, ConvergenceEpsilon(), terms));
}

}  // namespace caelix

#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/perturbation_arguments.h"
#include "astro/planet_frame.h"
#include "astro/planet_series.h"
#include "astro/planets.h"
#include "astro/time_argument.h"
#include "astro/trig.h"

namespace caelix {

namespace {

constexpr MeanElementTable kVenusElements = {
    //       c0          c1            c2
    .L = {342.767053, 58519.211911, 0.0003097},  .M = {212.603219, 58517.803875, 0.001286},
    .e = {0.00682069, -0.00004774, 0.000000091}, .a = {0.7233316},
    .i = {3.393631, 0.0010058, -0.000001},       .Omega = {75.779647, 0.89985, 0.00041},
};

// The long-period term added to both L and M: amplitude * sin(phase + rate * T), degrees.
constexpr struct { double amplitude, phaseDeg, ratePerCentury; } kLongPeriodTerm{0.00077, 237.24, 150.27};

// Arguments: multiples of ME (Earth), M5 (Jupiter), MV (Venus, corrected), plus the phase.
// Added to the argument of latitude, degrees.
constexpr CosineTerm kLatitudeArgumentTerms[] = {
    // amplitude  ME  M5  MV      phase
    {+0.00313, {2, 0, -2, 0}, -148.225}, {+0.00198, {3, 0, -3, 0}, +2.565},   {+0.00136, {1, 0, -1, 0}, -119.107},
    {+0.00096, {3, 0, -2, 0}, -135.912}, {+0.00082, {0, 1, -1, 0}, -208.087},
};

// Added to the distance, AU.
constexpr CosineTerm kDistanceTerms[] = {
    //  amplitude     ME  M5  MV      phase
    {+0.000022501, {2, 0, -2, 0}, -58.208}, {+0.000019045, {3, 0, -3, 0}, +92.577},
    {+0.000006887, {0, 1, -1, 0}, -118.09}, {+0.000005172, {1, 0, -1, 0}, -29.11},
    {+0.00000362, {5, 0, -4, 0}, -104.208}, {+0.000003283, {4, 0, -4, 0}, +63.513},
    {+0.000003074, {0, 2, -2, 0}, -55.167},
};

}  // namespace

EclipticPosition VenusPosition(double jd, const EclipticPosition& sun) {
  const double T = CenturiesSince1900(jd);
  PlanetElements elements = MeanElements(kVenusElements, T);
  const double p =
      kLongPeriodTerm.amplitude * SinRad((kLongPeriodTerm.phaseDeg + kLongPeriodTerm.ratePerCentury * T) * DegToRad());
  elements.L += p;
  elements.M += p;
  const std::array<double, 4> anomalies{Evaluate(kEarthAnomaly, T), Evaluate(kJupiterAnomaly, T), elements.M, 0.0};
  FrameTerms terms;
  terms.u = SumCosineTerms(kLatitudeArgumentTerms, anomalies);
  terms.r = SumCosineTerms(kDistanceTerms, anomalies);
  return GeocentricPosition(sun, OrbitPosition(elements, ConvergenceEpsilon(), terms));
}

}  // namespace caelix

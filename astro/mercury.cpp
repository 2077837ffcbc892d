#include <array>

#include "astro/angles.h"
#include "astro/perturbation_arguments.h"
#include "astro/planet_frame.h"
#include "astro/planet_series.h"
#include "astro/planets.h"
#include "astro/time_argument.h"

namespace caelix {

namespace {

constexpr MeanElementTable kMercuryElements = {
    //       c0          c1             c2
    .L = {178.179078, 149474.070778, 0.0003011}, .M = {102.279381, 149472.515289, 0.000007},
    .e = {0.20561421, 0.00002046, -0.00000003},  .a = {0.3870986},
    .i = {7.002881, 0.0018608, -0.0000183},      .Omega = {47.145944, 1.1852083, 0.0001739},
};

// Arguments: multiples of M2 (Venus), M5 (Jupiter), M1 (Mercury), plus the phase.
// Added to the argument of latitude, degrees.
constexpr CosineTerm kLatitudeArgumentTerms[] = {
    //  amplitude   M2  M5  M1      phase
    {+0.00204, {5, 0, -2, 0}, +12.22},
    {+0.00103, {2, 0, -1, 0}, +160.692},
    {+0.00091, {0, 2, -1, 0}, -37.003},
    {+0.00078, {5, 0, -3, 0}, +10.137},
};

// Added to the distance, AU.
constexpr CosineTerm kDistanceTerms[] = {
    //  amplitude      M2  M5  M1      phase
    {+0.000007525, {0, 2, -1, 0}, +53.013},
    {+0.000006802, {5, 0, -3, 0}, -259.918},
    {+0.000005457, {2, 0, -2, 0}, -71.188},
    {+0.000003569, {5, 0, -1, 0}, -77.75},
};

}  // namespace

EclipticPosition MercuryPosition(double jd, const EclipticPosition& sun) {
  const double T = CenturiesSince1900(jd);
  const PlanetElements elements = MeanElements(kMercuryElements, T);
  const std::array<double, 4> anomalies{Evaluate(kVenusAnomaly, T), Evaluate(kJupiterAnomaly, T),
                                        Evaluate(kMercuryAnomaly, T), 0.0};
  FrameTerms terms;
  terms.u = SumCosineTerms(kLatitudeArgumentTerms, anomalies);
  terms.r = SumCosineTerms(kDistanceTerms, anomalies);
  return GeocentricPosition(sun, OrbitPosition(elements, 10.0 * ConvergenceEpsilon(), terms));
}

}  // namespace caelix

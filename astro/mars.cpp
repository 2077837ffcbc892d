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

constexpr MeanElementTable kMarsElements = {
    //       c0          c1           c2           c3
    .L = {293.737334, 19141.69551, 0.0003107},   .M = {319.51913, 19139.85475, 0.000181},
    .e = {0.0933129, 0.000092064, -0.000000077}, .a = {1.5236883},
    .i = {1.850333, -0.000675, 0.0000126},       .Omega = {48.786442, 0.7709917, -0.0000014, -0.00000533},
};

// The long-period pair subtracted from both L and M: sine * sin q + cosine * cos q with
// q = 3 M5 - 8 M4 + 4 ME (M4 the uncorrected mean anomaly of Mars), degrees.
constexpr struct {
  double sine, cosine;
  int m5, m4, me;
} kLongPeriodPair{0.01133, 0.00933, 3, -8, 4};

// Arguments: multiples of M5 (Jupiter), ME (Earth), M4 (Mars, corrected), M2 (Venus), plus
// the phase. Added to the argument of latitude, degrees.
constexpr CosineTerm kLatitudeArgumentTerms[] = {
    // amplitude  M5  ME  M4  M2     phase
    {+0.00705, {1, 0, -1, 0}, -48.958}, {+0.00607, {2, 0, -1, 0}, -188.35},  {+0.00445, {2, 0, -2, 0}, -191.897},
    {+0.00388, {0, 1, -2, 0}, +20.495}, {+0.00238, {0, 1, -1, 0}, +35.097},  {+0.00204, {0, 2, -3, 0}, +158.638},
    {+0.00177, {0, 0, 3, -1}, -57.602}, {+0.00136, {0, 2, -4, 0}, +154.093}, {+0.00104, {1, 0, 0, 0}, +17.618},
};

// Added to the distance, AU.
constexpr CosineTerm kDistanceTerms[] = {
    //  amplitude     M5  ME  M4  M2     phase
    {+0.000053227, {1, 0, -1, 0}, +41.131},  {+0.000050989, {2, 0, -2, 0}, -101.9847},
    {+0.000038278, {2, 0, -1, 0}, -98.3292}, {+0.000015996, {0, 1, -1, 0}, -55.555},
    {+0.000014764, {0, 2, -3, 0}, +68.622},  {+0.000008966, {1, 0, -2, 0}, +43.615},
    {+0.000007914, {3, 0, -2, 0}, -139.737}, {+0.000007004, {2, 0, -3, 0}, -102.888},
    {+0.00000662, {0, 1, -2, 0}, +113.202},  {+0.00000493, {3, 0, -3, 0}, +76.243},
    {+0.000004693, {0, 3, -5, 0}, +190.603}, {+0.000004571, {0, 2, -4, 0}, +244.702},
    {+0.000004409, {3, 0, -1, 0}, -115.828},
};

}  // namespace

EclipticPosition MarsPosition(double jd, const EclipticPosition& sun) {
  const double T = CenturiesSince1900(jd);
  const double rad = DegToRad();
  PlanetElements elements = MeanElements(kMarsElements, T);
  const double M5 = Evaluate(kJupiterAnomaly, T);
  const double ME = Evaluate(kEarthAnomaly, T);
  const double q = (kLongPeriodPair.m5 * M5 + kLongPeriodPair.m4 * elements.M + kLongPeriodPair.me * ME) * rad;
  const double delta = kLongPeriodPair.sine * SinRad(q) + kLongPeriodPair.cosine * CosRad(q);
  elements.L -= delta;
  elements.M -= delta;
  const std::array<double, 4> anomalies{M5, ME, elements.M, Evaluate(kVenusAnomaly, T)};
  FrameTerms terms;
  terms.u = SumCosineTerms(kLatitudeArgumentTerms, anomalies);
  terms.r = SumCosineTerms(kDistanceTerms, anomalies);
  return GeocentricPosition(sun, OrbitPosition(elements, ConvergenceEpsilon(), terms));
}

}  // namespace caelix

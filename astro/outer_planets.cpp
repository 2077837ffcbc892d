#include "astro/outer_planets.h"

#include <algorithm>

namespace caelix {

double OuterCorrectionArgument(double jd) {
  const double x = (2.0 * jd - (kOuterCorrectionFirstJd + kOuterCorrectionLastJd)) /
                   (kOuterCorrectionLastJd - kOuterCorrectionFirstJd);
  return std::clamp(x, -1.0, 1.0);
}

OuterCorrectionValue EvaluateOuterCorrection(const OuterCorrection& c, double x) {
  // Clenshaw's recurrence for the three series at once.
  double l1 = 0.0, l2 = 0.0, b1 = 0.0, b2 = 0.0, r1 = 0.0, r2 = 0.0;
  for (int k = kOuterCorrectionDegree; k >= 1; --k) {
    const double l = 2.0 * x * l1 - l2 + c.longitudeRad[k];
    const double b = 2.0 * x * b1 - b2 + c.latitudeRad[k];
    const double r = 2.0 * x * r1 - r2 + c.radiusAu[k];
    l2 = l1, l1 = l;
    b2 = b1, b1 = b;
    r2 = r1, r1 = r;
  }
  return {x * l1 - l2 + c.longitudeRad[0], x * b1 - b2 + c.latitudeRad[0], x * r1 - r2 + c.radiusAu[0]};
}

HeliocentricStates CorrectOuterPlanet(const OuterCorrection& c, HeliocentricStates states, double jde) {
  for (HeliocentricState* s : {&states.at, &states.dayAfter}) {
    const OuterCorrectionValue v = EvaluateOuterCorrection(c, OuterCorrectionArgument(s == &states.at ? jde : jde + 1));
    s->longitudeRad += v.longitudeRad;
    s->latitudeRad += v.latitudeRad;
    s->radiusAu += v.radiusAu;
  }
  return states;
}

}  // namespace caelix

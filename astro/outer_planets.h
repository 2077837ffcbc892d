#pragma once
// Corrections that bring VSOP87D's Uranus and Neptune to the Swiss Ephemeris over 1800-2100
// (astro/series/outer_planets_generated.cpp, fitted by tools/precise-series).
#include "astro/vsop87d.h"

namespace caelix {

// The span of the fit, Julian days (TT): 1800 January 1 0h to 2101 January 1 0h.
constexpr double kOuterCorrectionFirstJd = 2378496.5;
constexpr double kOuterCorrectionLastJd = 2488434.5;
constexpr int kOuterCorrectionDegree = 14;

// Chebyshev coefficients of the corrections in heliocentric longitude and latitude (radians) and
// distance (au).
struct OuterCorrection {
  double longitudeRad[kOuterCorrectionDegree + 1];
  double latitudeRad[kOuterCorrectionDegree + 1];
  double radiusAu[kOuterCorrectionDegree + 1];
};

extern const OuterCorrection kUranusCorrection;
extern const OuterCorrection kNeptuneCorrection;

struct OuterCorrectionValue {
  double longitudeRad, latitudeRad, radiusAu;
};

// Returns the Chebyshev argument of jd, -1 to 1 over the span of the fit (beyond it, clamped).
double OuterCorrectionArgument(double jd);

// Returns the corrections at the Chebyshev argument x.
OuterCorrectionValue EvaluateOuterCorrection(const OuterCorrection& c, double x);

// Returns the states with the corrections at their instants added (jde and jde + 1).
HeliocentricStates CorrectOuterPlanet(const OuterCorrection& c, HeliocentricStates states, double jde);

}  // namespace caelix

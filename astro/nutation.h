#pragma once
// Nutation in longitude and obliquity, and the obliquity of the ecliptic.

namespace caelix {

struct NutationValue {
  double longitudeArcsec;  // delta psi, seconds of arc
  double obliquityArcsec;  // delta epsilon, seconds of arc
};

// Returns the nutation at T centuries since 1900: the 13 longitude and 9 obliquity terms of
// Meeus' 1900-epoch series (Astronomical Formulae for Calculators), in seconds of arc.
NutationValue Nutation(double T);

// Returns the mean obliquity of the ecliptic in degrees at T centuries since 1900.
double MeanObliquity(double T);

// Returns the true obliquity of date in degrees: MeanObliquity plus the nutation in obliquity.
double TrueObliquity(double jd);

// The nutation and the obliquity of one instant, computed once for all that use them.
struct NutationOfDate {
  double T;                 // centuries since 1900
  NutationValue nutation;   // seconds of arc
  double meanObliquityDeg;  // MeanObliquity(T)
  double trueObliquityDeg;  // the same as TrueObliquity(jd)
};

// Returns the nutation and obliquities at jd, each exactly as Nutation, MeanObliquity and
// TrueObliquity give them.
NutationOfDate ComputeNutationOfDate(double jd);

}  // namespace caelix

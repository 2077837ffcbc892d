#pragma once
// Time arguments of the theories and the fundamental arguments of the Sun and the Moon.

namespace caelix {

// Returns T, Julian centuries of 36525 days since JD 2415020.0 (1900 January 0.5), the time
// argument of every analytic theory but Pluto and the sidereal time.
double CenturiesSince1900(double jd);

// Returns T0, Julian centuries since JD 2451545.0 (J2000.0), the argument of the sidereal time.
double CenturiesSince2000(double jd);

// Mean arguments in degrees, not reduced (only their sines and cosines are used).
struct FundamentalArguments {
  double L;      // mean longitude of the Sun
  double Lm;     // mean longitude of the Moon
  double M;      // mean anomaly of the Sun
  double Mm;     // mean anomaly of the Moon
  double Omega;  // longitude of the Moon's mean ascending node
};

// Returns the fundamental arguments at T centuries since 1900 (Meeus' 1900-epoch polynomials).
FundamentalArguments ComputeFundamentalArguments(double T);

}  // namespace caelix

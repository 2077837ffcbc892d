#pragma once
// Delta T (TT - UT) of the precise engine: the observed values where they exist, a published
// model outside them.

namespace caelix {

struct DeltaTNode {
  double jd;       // Julian day (UT)
  double seconds;  // Delta T
};

// The observed and predicted values from 1955 on (USNO and IERS, astro/series/delta_t_generated.cpp),
// in increasing order of jd.
struct DeltaTTable {
  const DeltaTNode* nodes;
  int count;
  double lastObservedJd;
};

extern const DeltaTTable kObservedDeltaT;

// One cubic of Stephenson, Morrison and Hohenkerk: for years in [fromYear, toYear), Delta T in
// seconds is a0 + a1 t + a2 t^2 + a3 t^3 with t = (year - fromYear) / (toYear - fromYear).
struct DeltaTSpline {
  double fromYear;
  double toYear;
  double a0, a1, a2, a3;
};

// Their splines from 720 BC to AD 2019 (astro/series/delta_t_spline_generated.cpp), in order.
struct DeltaTSplineTable {
  const DeltaTSpline* splines;
  int count;
};

extern const DeltaTSplineTable kDeltaTSplines;

// The years over which the splines hand over to the observed values: the difference between the
// two at the table's first node fades in linearly over this many years before it.
constexpr double kDeltaTSplineJoinYears = 3.0;

// Returns Delta T in seconds at jdUT. Inside the table (1955 to 2032): linear interpolation
// between its nodes. Before it, back to 720 BC: the splines of Stephenson, Morrison and Hohenkerk
// (Proc. R. Soc. A 472, 20160404, 2016, revised 2020), joined to the table without a step. Beyond
// both: the polynomials of Espenak and Meeus (Five Millennium Canon of Solar Eclipses, NASA
// TP-2006-214141), plus the difference from the splines or the table at the nearer end, which fades
// linearly to nothing over 100 years, so that the value stays continuous.
double PreciseDeltaTSeconds(double jdUT);

// Returns the Espenak-Meeus model alone at jdUT, seconds.
double EspenakMeeusDeltaTSeconds(double jdUT);

}  // namespace caelix

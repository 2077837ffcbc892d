#pragma once
// Delta T (TT - UT) of the precise engine: the observed values where they exist, a published
// model outside them.

namespace caelix {

struct DeltaTNode {
  double jd;       // Julian day (UT)
  double seconds;  // Delta T
};

// The observed and predicted values (USNO and IERS, astro/series/delta_t_generated.cpp), in
// increasing order of jd.
struct DeltaTTable {
  const DeltaTNode* nodes;
  int count;
  double lastObservedJd;
};

extern const DeltaTTable kObservedDeltaT;

// Returns Delta T in seconds at jdUT. Inside the table (1657 to 2032): linear interpolation
// between its nodes. Outside it: the polynomials of Espenak and Meeus (Five Millennium Canon of
// Solar Eclipses, NASA TP-2006-214141), plus the difference from the table at its nearer end,
// which fades linearly to nothing over 100 years, so that the value stays continuous.
double PreciseDeltaTSeconds(double jdUT);

// Returns the Espenak-Meeus model alone at jdUT, seconds.
double EspenakMeeusDeltaTSeconds(double jdUT);

}  // namespace caelix

#include "astro/delta_t.h"

#include <algorithm>
#include <cmath>

namespace caelix {

namespace {

// One span of the Espenak-Meeus polynomials: for years in [fromYear, toYear) the polynomial
// sum c[k] u^k with u = (year - originYear) / yearsPerUnit.
struct DeltaTSpan {
  double fromYear;
  double toYear;
  double originYear;
  double yearsPerUnit;
  double c[8];
};

constexpr double kNever = 1e9;

constexpr DeltaTSpan kSpans[] = {
    {-kNever, -500, 1820, 100, {-20, 0, 32}},
    {-500, 500, 0, 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521}},
    {500, 1600, 1000, 100, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073}},
    {1600, 1700, 1600, 1, {120, -0.9808, -0.01532, 1.0 / 7129}},
    {1700, 1800, 1700, 1, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000}},
    {1800,
     1860,
     1800,
     1,
     {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875}},
    {1860, 1900, 1860, 1, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174}},
    {1900, 1920, 1900, 1, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197}},
    {1920, 1941, 1920, 1, {21.20, 0.84493, -0.076100, 0.0020936}},
    {1941, 1961, 1950, 1, {29.07, 0.407, -1.0 / 233, 1.0 / 2547}},
    {1961, 1986, 1975, 1, {45.45, 1.067, -1.0 / 260, -1.0 / 718}},
    {1986, 2005, 2000, 1, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599}},
    {2005, 2050, 2000, 1, {62.92, 0.32217, 0.005589}},
    // -20 + 32 u^2 - 0.5628 (2150 - year), written as one polynomial in u.
    {2050, 2150, 1820, 100, {-205.724, 56.28, 32}},
    {2150, kNever, 1820, 100, {-20, 0, 32}},
};

constexpr double kFadeYears = 100.0;

double YearOf(double jd) { return 2000.0 + (jd - 2451545.0) / 365.25; }

double EspenakMeeus(double year) {
  for (const DeltaTSpan& s : kSpans) {
    if (year >= s.fromYear && year < s.toYear) {
      const double u = (year - s.originYear) / s.yearsPerUnit;
      double sum = 0.0;
      for (int k = 7; k >= 0; --k) sum = sum * u + s.c[k];
      return sum;
    }
  }
  return std::nan("");
}

}  // namespace

double EspenakMeeusDeltaTSeconds(double jdUT) { return EspenakMeeus(YearOf(jdUT)); }

namespace {

// The splines at year, which lies inside them.
double SplineDeltaT(double year) {
  const DeltaTSplineTable& t = kDeltaTSplines;
  const DeltaTSpline* upper = std::upper_bound(t.splines, t.splines + t.count, year,
                                               [](double y, const DeltaTSpline& s) { return y < s.fromYear; });
  const DeltaTSpline& s = upper[-1];
  const double u = (year - s.fromYear) / (s.toYear - s.fromYear);
  return ((s.a3 * u + s.a2) * u + s.a1) * u + s.a0;
}

// The model beyond the observed values, continued from the value observed at endJd.
double FadeIntoModel(double jdUT, double endJd, double endSeconds) {
  const double years = std::fabs(YearOf(jdUT) - YearOf(endJd));
  const double offset = endSeconds - EspenakMeeusDeltaTSeconds(endJd);
  return EspenakMeeusDeltaTSeconds(jdUT) + offset * std::max(0.0, 1.0 - years / kFadeYears);
}

}  // namespace

double PreciseDeltaTSeconds(double jdUT) {
  const DeltaTTable& t = kObservedDeltaT;
  const DeltaTNode& first = t.nodes[0];
  const DeltaTNode& last = t.nodes[t.count - 1];
  if (jdUT > last.jd) return FadeIntoModel(jdUT, last.jd, last.seconds);
  if (jdUT < first.jd) {
    const double splinesFromYear = kDeltaTSplines.splines[0].fromYear;
    const double year = YearOf(jdUT);
    if (year < splinesFromYear) {
      const double splinesFromJd = 2451545.0 + (splinesFromYear - 2000.0) * 365.25;
      return FadeIntoModel(jdUT, splinesFromJd, SplineDeltaT(splinesFromYear));
    }
    const double firstYear = YearOf(first.jd);
    const double join = first.seconds - SplineDeltaT(firstYear);
    return SplineDeltaT(year) + join * std::max(0.0, 1.0 - (firstYear - year) / kDeltaTSplineJoinYears);
  }
  const DeltaTNode* upper =
      std::upper_bound(t.nodes, t.nodes + t.count, jdUT, [](double jd, const DeltaTNode& n) { return jd < n.jd; });
  if (upper == t.nodes + t.count) return last.seconds;
  const DeltaTNode& a = upper[-1];
  const double f = (jdUT - a.jd) / (upper->jd - a.jd);
  return a.seconds + f * (upper->seconds - a.seconds);
}

}  // namespace caelix

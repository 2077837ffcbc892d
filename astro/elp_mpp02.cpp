#include "astro/elp_mpp02.h"

#include <cmath>

#include "astro/series_sum.h"

namespace caelix {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegPerRad = 180.0 / kPi;
constexpr double kDegPerArcsec = 1.0 / 3600.0;

double Polynomial(const double (&c)[5], double T) { return c[0] + T * (c[1] + T * (c[2] + T * (c[3] + T * c[4]))); }

// Sum over p of T^p S_p(T).
double Evaluate(const ElpCoordinate& c, double T) {
  const double t2 = T * T;
  const double t3 = t2 * T;
  const double t4 = t3 * T;
  double value = 0.0;
  double power = 1.0;
  for (int p = 0; p < c.powerCount; ++p) {
    const ElpTerm* e = c.powers[p].terms;
    const double s = SumSines(
        c.powers[p].count, [e](int k) { return e[k].amplitude; },
        [e, T, t2, t3, t4](int k) {
          return e[k].phase0 + e[k].rate1 * T + e[k].rate2 * t2 + e[k].rate3 * t3 + e[k].rate4 * t4;
        });
    value += s * power;
    power *= T;
  }
  return value;
}

double Reduce360(double deg) {
  const double r = std::fmod(deg, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}

}  // namespace

double GeneralPrecessionArcsec(double T) {
  return T * (5028.796195 + T * (1.1054348 + T * (0.00007964 + T * (-0.000023857 + T * -0.0000000383))));
}

LunarPosition ElpMoonOfDate(double jde) {
  const double T = (jde - kJ2000) / kDaysPerCentury;
  const ElpMoon& m = kElpMpp02Moon;
  const double longitude = Polynomial(m.meanLongitude, T) * kDegPerRad +
                           (Evaluate(m.longitude, T) + GeneralPrecessionArcsec(T)) * kDegPerArcsec;
  return {Reduce360(longitude), Evaluate(m.latitude, T) * kDegPerArcsec, Evaluate(m.distance, T)};
}

double ElpMeanNodeOfDate(double jde) {
  const double T = (jde - kJ2000) / kDaysPerCentury;
  const ElpMoon& m = kElpMpp02Moon;
  const double node = (Polynomial(m.meanLongitude, T) - Polynomial(m.argumentOfLatitude, T)) * kDegPerRad +
                      GeneralPrecessionArcsec(T) * kDegPerArcsec;
  return Reduce360(node);
}

}  // namespace caelix

#include "astro/elp_mpp02.h"

#include <cmath>
#include <vector>

#include "astro/series_sum.h"

namespace caelix {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kStepCenturies = 1.0 / kDaysPerCentury;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegPerRad = 180.0 / kPi;
constexpr double kDegPerArcsec = 1.0 / 3600.0;

double Polynomial(const double (&c)[5], double T) { return c[0] + T * (c[1] + T * (c[2] + T * (c[3] + T * c[4]))); }

// The cosine and sine of every term's linear turn over one day, in the layout of the series.
struct CoordinateSteps {
  std::vector<double> cosStep[4], sinStep[4];
};

CoordinateSteps MakeSteps(const ElpCoordinate& c) {
  CoordinateSteps s;
  for (int p = 0; p < c.powerCount; ++p) {
    for (int k = 0; k < c.powers[p].count; ++k) {
      const double turn = c.powers[p].terms[k].rate1 * kStepCenturies;
      s.cosStep[p].push_back(std::cos(turn));
      s.sinStep[p].push_back(std::sin(turn));
    }
  }
  return s;
}

struct MoonSteps {
  CoordinateSteps longitude, latitude, distance;
};

// The steps of the series, computed on first use.
const MoonSteps& Steps() {
  static const MoonSteps steps{MakeSteps(kElpMpp02Moon.longitude), MakeSteps(kElpMpp02Moon.latitude),
                               MakeSteps(kElpMpp02Moon.distance)};
  return steps;
}

struct Value2 {
  double at, after;
};

// Sum over p of T^p S_p(T), at T and one day later.
Value2 Evaluate(const ElpCoordinate& c, const CoordinateSteps& steps, double T) {
  const double t2 = T * T, t3 = t2 * T, t4 = t3 * T;
  const double T1 = T + kStepCenturies;
  // What the quadratic to quartic phase terms add over the day, per unit coefficient.
  const double d2 = T1 * T1 - t2, d3 = T1 * T1 * T1 - t3, d4 = T1 * T1 * T1 * T1 - t4;
  Value2 out{0.0, 0.0};
  double power = 1.0, power1 = 1.0;
  for (int p = 0; p < c.powerCount; ++p) {
    const ElpTerm* e = c.powers[p].terms;
    const double* cs = steps.cosStep[p].data();
    const double* ss = steps.sinStep[p].data();
    const SinePairSums sums = SumSinePairs(c.powers[p].count, [&](int k) {
      return SineTerm{e[k].amplitude,
                      e[k].phase0 + e[k].rate1 * T + e[k].rate2 * t2 + e[k].rate3 * t3 + e[k].rate4 * t4, cs[k], ss[k],
                      e[k].rate2 * d2 + e[k].rate3 * d3 + e[k].rate4 * d4};
    });
    out.at += sums.value * power;
    out.after += sums.valueAfter * power1;
    power *= T;
    power1 *= T1;
  }
  return out;
}

double Reduce360(double deg) {
  const double r = std::fmod(deg, 360.0);
  return r < 0.0 ? r + 360.0 : r;
}

LunarPosition Position(double T, double series, double latitudeArcsec, double distanceKm) {
  const double longitude =
      Polynomial(kElpMpp02Moon.meanLongitude, T) * kDegPerRad + (series + GeneralPrecessionArcsec(T)) * kDegPerArcsec;
  return {Reduce360(longitude), latitudeArcsec * kDegPerArcsec, distanceKm};
}

}  // namespace

double GeneralPrecessionArcsec(double T) {
  return T * (5028.796195 + T * (1.1054348 + T * (0.00007964 + T * (-0.000023857 + T * -0.0000000383))));
}

LunarPositions ElpMoonOfDate(double jde) {
  const double T = (jde - kJ2000) / kDaysPerCentury;
  const MoonSteps& steps = Steps();
  const Value2 l = Evaluate(kElpMpp02Moon.longitude, steps.longitude, T);
  const Value2 b = Evaluate(kElpMpp02Moon.latitude, steps.latitude, T);
  const Value2 r = Evaluate(kElpMpp02Moon.distance, steps.distance, T);
  return {Position(T, l.at, b.at, r.at), Position(T + kStepCenturies, l.after, b.after, r.after)};
}

double ElpMeanNodeOfDate(double jde) {
  const double T = (jde - kJ2000) / kDaysPerCentury;
  const ElpMoon& m = kElpMpp02Moon;
  const double node = (Polynomial(m.meanLongitude, T) - Polynomial(m.argumentOfLatitude, T)) * kDegPerRad +
                      GeneralPrecessionArcsec(T) * kDegPerArcsec;
  return Reduce360(node);
}

}  // namespace caelix

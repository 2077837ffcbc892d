#include "astro/time_argument.h"

namespace caelix {

namespace {
constexpr double kPerCentury = 2.7378507871321012e-05;  // 1 / 36525
}

double CenturiesSince1900(double jd) { return (jd - 2415020.0) * kPerCentury; }

double CenturiesSince2000(double jd) { return (jd - 2451545.0) * kPerCentury; }

FundamentalArguments ComputeFundamentalArguments(double T) {
  const double T2 = T * T;
  const double T3 = T2 * T;
  FundamentalArguments a{};
  a.L = 279.69668 + 36000.76892 * T + 0.0003025 * T2;
  a.Lm = 270.434164 + 481267.8831 * T - 0.001133 * T2 + 0.000002 * T3;
  a.M = 358.475833 + 35999.0498 * T - 0.00015 * T2 - 0.000003 * T3;
  a.Mm = 296.104608 + 477198.8491 * T + 0.009192 * T2 + 0.000014 * T3;
  a.Omega = 259.183275 - 1934.142 * T + 0.002078 * T2 + 0.000002 * T3;
  return a;
}

}  // namespace caelix

#include "chart/time_scales.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/time_argument.h"
#include "astro/trig.h"
#include "chart/input_rules.h"

namespace caelix {

double JulianDay(double day, double month, double year) {
  double y = 0.0;
  double m = 0.0;
  if (month == 1.0 || month == 2.0) {
    y = year - 1.0;
    m = month + 12.0;
  } else if (month > 2.0) {
    y = year;
    m = month;
  }
  double b = 0.0;
  if (IsGregorianDate(day, month, year)) {
    const double a = std::trunc(y * 0.01);
    b = 2.0 - a + std::trunc(a * 0.25);
  }
  const double k = y < 0.0 ? std::trunc(365.25 * y - 0.75) : std::trunc(365.25 * y);
  const double e = std::trunc(30.6001 * (m + 1.0));
  return (((e + k) + b) + day) + 1720994.5;
}

CalendarDateValue CalendarDate(double jd) {
  const double z = std::trunc(jd + 0.5);
  const double f = (jd + 0.5) - z;
  double a = z;
  if (z > 2299160.0) {
    const double alpha = std::trunc((z - 1867216.25) * 2.7379070069885075e-05);
    a = (alpha + z + 1.0) - std::trunc(alpha * 0.25);
  }
  const double b = a + 1524.0;
  const double k = std::trunc((b - 122.1) * 0.0027378507871321013);
  const double d = std::trunc(k * 365.25);
  const double e = std::trunc((b - d) * 0.03267963176590926);
  CalendarDateValue c{};
  c.day = (b - d - std::trunc(e * 30.6001)) + f;
  c.month = e < 13.5 ? e - 1.0 : e - 13.0;
  c.year = c.month > 2.5 ? k - 4716.0 : k - 4715.0;
  return c;
}

double DeltaTSeconds(double jd) {
  if (jd < 2415020.5) return 0.0;
  if (jd <= 2451544.5) {
    const double T = CenturiesSince1900(jd);
    return 15.1 * SinRad((140.0 * T + 240.7) * DegToRad()) + (15.8 * T + 37.6) * T + 12.3;
  }
  const double w = (2000.0 + (jd - 2451545.0) * 0.0027378507871321013) - 1902.0;
  return (0.00362 * w + 0.319) * w;
}

double DynamicalTime(double jd) {
  if (jd < 2415020.5) return jd;
  if (jd <= 2451544.5) return jd + DeltaTSeconds(jd) * 0.0002777777777777778 * 0.041666666666666664;
  return jd + DeltaTSeconds(jd) * 1.1574074074074073e-05;
}

}  // namespace caelix

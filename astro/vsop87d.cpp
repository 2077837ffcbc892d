#include "astro/vsop87d.h"

#include "astro/elp_mpp02.h"
#include "astro/series_sum.h"

namespace caelix {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMillennium = 365250.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kRadPerArcsec = 3.14159265358979323846 / 648000.0;

// The general precession in longitude of IAU 1976 (Lieske et al. 1977), to which the series'
// equinox of date is tied, arcseconds at T centuries from J2000.
double Iau1976PrecessionArcsec(double T) { return T * (5029.0966 + T * (1.11113 + T * -0.000006)); }

struct ValueAndRate {
  double value;
  double ratePerMillennium;
};

// Sum over p of tau^p S_p(tau) and its derivative in tau.
ValueAndRate Evaluate(const Vsop87Coordinate& c, double tau) {
  double value = 0.0;
  double rate = 0.0;
  double power = 1.0;       // tau^p
  double powerBelow = 0.0;  // p tau^(p - 1)
  for (int p = 0; p < c.powerCount; ++p) {
    const Vsop87Term* t = c.powers[p].terms;
    const CosineSums sums = SumCosines(
        c.powers[p].count, [t](int k) { return t[k].amplitude; },
        [t, tau](int k) { return t[k].phaseRad + t[k].frequencyRadPerMillennium * tau; },
        [t](int k) { return t[k].frequencyRadPerMillennium; });
    const double s = sums.value;
    const double ds = sums.rate;
    value += s * power;
    rate += ds * power + s * powerBelow;
    powerBelow = (p + 1) * power;
    power *= tau;
  }
  return {value, rate};
}

}  // namespace

HeliocentricState Vsop87dState(const Vsop87Body& body, double jde) {
  const double tau = (jde - kJ2000) / kDaysPerMillennium;
  const double T = (jde - kJ2000) / kDaysPerCentury;
  const double equinoxRad = (GeneralPrecessionArcsec(T) - Iau1976PrecessionArcsec(T)) * kRadPerArcsec;
  const ValueAndRate l = Evaluate(body.longitude, tau);
  const ValueAndRate b = Evaluate(body.latitude, tau);
  const ValueAndRate r = Evaluate(body.radius, tau);
  return {l.value + equinoxRad,
          b.value,
          r.value,
          l.ratePerMillennium / kDaysPerMillennium,
          b.ratePerMillennium / kDaysPerMillennium,
          r.ratePerMillennium / kDaysPerMillennium};
}

}  // namespace caelix

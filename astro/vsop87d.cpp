#include "astro/vsop87d.h"

#include <cmath>
#include <vector>

#include "astro/elp_mpp02.h"
#include "astro/series_sum.h"

namespace caelix {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMillennium = 365250.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kRadPerArcsec = 3.14159265358979323846 / 648000.0;
constexpr double kStepMillennia = 1.0 / kDaysPerMillennium;

// The general precession in longitude of IAU 1976 (Lieske et al. 1977), to which the series'
// equinox of date is tied, arcseconds at T centuries from J2000.
double Iau1976PrecessionArcsec(double T) { return T * (5029.0966 + T * (1.11113 + T * -0.000006)); }

// The cosine and sine of every term's turn over one day, in the layout of the series.
struct SeriesSteps {
  std::vector<double> cosStep, sinStep;
};
struct CoordinateSteps {
  SeriesSteps powers[6];
};
struct BodySteps {
  const Vsop87Body* body;
  CoordinateSteps longitude, latitude, radius;
};

CoordinateSteps MakeCoordinateSteps(const Vsop87Coordinate& c) {
  CoordinateSteps s;
  for (int p = 0; p < c.powerCount; ++p) {
    for (int k = 0; k < c.powers[p].count; ++k) {
      const double turn = c.powers[p].terms[k].frequencyRadPerMillennium * kStepMillennia;
      s.powers[p].cosStep.push_back(std::cos(turn));
      s.powers[p].sinStep.push_back(std::sin(turn));
    }
  }
  return s;
}

BodySteps MakeSteps(const Vsop87Body& b) {
  return BodySteps{&b, MakeCoordinateSteps(b.longitude), MakeCoordinateSteps(b.latitude),
                   MakeCoordinateSteps(b.radius)};
}

// The steps of the eight bodies, computed on first use; nullptr for another body.
const BodySteps* KnownSteps(const Vsop87Body& body) {
  static const std::vector<BodySteps> steps = [] {
    std::vector<BodySteps> all;
    for (const Vsop87Body* b : {&kVsop87dEarth, &kVsop87dMercury, &kVsop87dVenus, &kVsop87dMars, &kVsop87dJupiter,
                                &kVsop87dSaturn, &kVsop87dUranus, &kVsop87dNeptune}) {
      all.push_back(MakeSteps(*b));
    }
    return all;
  }();
  for (const BodySteps& s : steps) {
    if (s.body == &body) return &s;
  }
  return nullptr;
}

struct ValueAndRate {
  double value;
  double ratePerMillennium;
};
struct Coordinate2 {
  ValueAndRate at, after;
};

// Sum over p of tau^p S_p(tau) and its derivative in tau, at tau and one day later.
Coordinate2 Evaluate(const Vsop87Coordinate& c, const CoordinateSteps& steps, double tau) {
  const double tau1 = tau + kStepMillennia;
  Coordinate2 out{{0.0, 0.0}, {0.0, 0.0}};
  double power = 1.0, power1 = 1.0;  // tau^p
  double below = 0.0, below1 = 0.0;  // p tau^(p - 1)
  for (int p = 0; p < c.powerCount; ++p) {
    const Vsop87Term* t = c.powers[p].terms;
    const double* cs = steps.powers[p].cosStep.data();
    const double* ss = steps.powers[p].sinStep.data();
    const CosinePairSums sums = SumCosinePairs(c.powers[p].count, [&](int k) {
      return CosineTerm{t[k].amplitude, t[k].phaseRad + t[k].frequencyRadPerMillennium * tau,
                        t[k].frequencyRadPerMillennium, cs[k], ss[k]};
    });
    out.at.value += sums.value * power;
    out.at.ratePerMillennium += sums.rate * power + sums.value * below;
    out.after.value += sums.valueAfter * power1;
    out.after.ratePerMillennium += sums.rateAfter * power1 + sums.valueAfter * below1;
    below = (p + 1) * power;
    below1 = (p + 1) * power1;
    power *= tau;
    power1 *= tau1;
  }
  return out;
}

HeliocentricState State(const ValueAndRate& l, const ValueAndRate& b, const ValueAndRate& r, double jde) {
  const double T = (jde - kJ2000) / kDaysPerCentury;
  const double equinoxRad = (GeneralPrecessionArcsec(T) - Iau1976PrecessionArcsec(T)) * kRadPerArcsec;
  return {l.value + equinoxRad,
          b.value,
          r.value,
          l.ratePerMillennium / kDaysPerMillennium,
          b.ratePerMillennium / kDaysPerMillennium,
          r.ratePerMillennium / kDaysPerMillennium};
}

}  // namespace

HeliocentricStates Vsop87dStates(const Vsop87Body& body, double jde) {
  const double tau = (jde - kJ2000) / kDaysPerMillennium;
  const BodySteps* known = KnownSteps(body);
  const BodySteps steps = known != nullptr ? BodySteps{} : MakeSteps(body);
  const BodySteps& s = known != nullptr ? *known : steps;
  const Coordinate2 l = Evaluate(body.longitude, s.longitude, tau);
  const Coordinate2 b = Evaluate(body.latitude, s.latitude, tau);
  const Coordinate2 r = Evaluate(body.radius, s.radius, tau);
  return {State(l.at, b.at, r.at, jde), State(l.after, b.after, r.after, jde + 1.0)};
}

}  // namespace caelix

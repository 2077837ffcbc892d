// The precise engine's Delta T: the observed values of the USNO/IERS series, and the
// Espenak-Meeus polynomials joined to them without a step.
#include "astro/delta_t.h"

#include <gtest/gtest.h>

#include <cmath>

namespace caelix {
namespace {

double JdOfYear(double year) { return 2451545.0 + (year - 2000.0) * 365.25; }

// Published values, seconds, at the start of each year: USNO's historic series (to 1973) and the
// IERS monthly values (after it).
struct Observed {
  double year;
  double seconds;
  double tolerance;
};

constexpr Observed kObserved[] = {
    {1800.0, 12.6, 0.05}, {1850.0, 6.55, 0.05},  {1900.0, -2.7, 0.05},  {1950.0, 29.15, 0.05},
    {1980.0, 50.54, 0.1}, {2000.0, 63.83, 0.05}, {2010.0, 66.07, 0.05}, {2020.0, 69.36, 0.05},
};

TEST(PreciseDeltaT, ObservedValues) {
  for (const Observed& o : kObserved) {
    const double got = PreciseDeltaTSeconds(JdOfYear(o.year));
    EXPECT_NEAR(o.seconds, got, o.tolerance) << "year " << o.year << ": want " << o.seconds << " s, got " << got;
  }
}

// Espenak and Meeus (NASA TP-2006-214141), the polynomials at the origins of their spans.
TEST(PreciseDeltaT, EspenakMeeusPolynomials) {
  constexpr struct {
    double year, seconds;
  } kModel[] = {{1000.0, 1574.2}, {1600.0, 120.0}, {1700.0, 8.83}, {1800.0, 13.72},
                {1900.0, -2.79},  {1975.0, 45.45}, {2000.0, 63.86}};
  for (const auto& m : kModel) {
    EXPECT_NEAR(m.seconds, EspenakMeeusDeltaTSeconds(JdOfYear(m.year)), 0.01) << "year " << m.year;
  }
  // The long-term parabola -20 + 32 u^2, u in centuries from 1820.
  EXPECT_NEAR(-20.0 + 32.0 * 38.2 * 38.2, EspenakMeeusDeltaTSeconds(JdOfYear(-2000.0)), 1e-6);
}

// At both ends of the table the model takes over without a step, and a century away it is the
// model alone.
TEST(PreciseDeltaT, ContinuousAtTheEndsOfTheTable) {
  const DeltaTTable& t = kObservedDeltaT;
  for (double end : {t.nodes[0].jd, t.nodes[t.count - 1].jd}) {
    const double outward = end == t.nodes[0].jd ? -1e-6 : 1e-6;
    EXPECT_NEAR(PreciseDeltaTSeconds(end), PreciseDeltaTSeconds(end + outward), 1e-3) << "JD " << end;
    const double far = end + outward * 1e6 * 36525.0 * 1.01;
    EXPECT_DOUBLE_EQ(EspenakMeeusDeltaTSeconds(far), PreciseDeltaTSeconds(far)) << "JD " << far;
  }
}

// Everywhere a finite number, from the first year the program admits to the last.
TEST(PreciseDeltaT, FiniteOverTheWholeDomain) {
  for (double year = -10000.0; year <= 100000.0; year += 37.3) {
    EXPECT_TRUE(std::isfinite(PreciseDeltaTSeconds(JdOfYear(year)))) << "year " << year;
  }
}

}  // namespace
}  // namespace caelix

#include "astro/planet_frame.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/planet_series.h"
#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;

double KeplerResidual(double E, double e, double M) { return E - e * std::sin(E * DegToRad()) / DegToRad() - M; }

TEST(SolveKepler, KnownSolutions) {
  struct Case {
    double M, e, want;
  } const cases[] = {
      {37.5, 0.0, 37.5},
      {-1234.5, 0.0, -1234.5},
      {180.0, 0.2, 180.0},
      {-540.0, 0.9, -540.0},
      {0.0, 0.5, 0.0},
      {3600.0, 0.05, 3600.0},
      {5.0, 0.1, 5.554589},  // Meeus' worked example
      {360.0 + 5.0, 0.1, 365.554589},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Near(c.want, SolveKepler(c.M, c.e, ConvergenceEpsilon()), 5e-7)) << "M " << c.M << " e " << c.e;
  }
}

TEST(SolveKepler, SolvesTheEquationUpToTheEllipse) {
  for (double e : {0.0068, 0.0933, 0.2056, 0.5, 0.9, 0.99}) {
    for (double M = -720.0; M <= 720.0; M += 7.3) {
      const double E = SolveKepler(M, e, ConvergenceEpsilon());
      EXPECT_TRUE(Near(0.0, KeplerResidual(E, e, M), 1e-9)) << "M " << M << " e " << e;
    }
  }
}

// Eccentricities of 1 or more, and mean anomalies so large that the tolerance lies below their
// rounding step, end at the pass limit with a finite value.
TEST(SolveKepler, AlwaysEndsWithAFiniteValue) {
  for (double e : {1.0, 1.5, 7.0, -0.99, -3.0, 1e6}) {
    for (double M : {0.0, 1e-8, 10.0, 90.0, 179.0, -250.0, 1.5e8}) {
      EXPECT_TRUE(std::isfinite(SolveKepler(M, e, ConvergenceEpsilon()))) << "M " << M << " e " << e;
    }
  }
  const double E = SolveKepler(1.5e8, 0.2, ConvergenceEpsilon());
  EXPECT_TRUE(Near(0.0, KeplerResidual(E, 0.2, 1.5e8), 1e-6));
}

TEST(ReduceToEcliptic, QuadrantOfTheArgumentOfLatitude) {
  struct Case {
    double u, i, want;
  } const cases[] = {
      {90.0, 7.0, 90.0},   {270.0, 7.0, 270.0}, {90.0, 89.0, 90.0},  {270.0, 89.0, 270.0}, {0.0, 7.0, 0.0},
      {180.0, 7.0, 180.0}, {45.0, 0.0, 45.0},   {135.0, 0.0, 135.0}, {225.0, 0.0, 225.0},  {315.0, 0.0, 315.0},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Near(c.want, ReduceToEcliptic(c.u, c.i), 1e-12)) << "u " << c.u << " i " << c.i;
  }
  // Everywhere else the result is the two-argument arc tangent of (cos i sin u, cos u).
  for (double u = 0.5; u < 360.0; u += 11.0) {
    const double i = 3.4;
    const double rad = DegToRad();
    const double want = QuadrantAngle(std::cos(i * rad) * std::sin(u * rad), std::cos(u * rad));
    EXPECT_TRUE(Near(want, ReduceToEcliptic(u, i), 1e-10)) << "u " << u;
  }
}

TEST(OrbitPosition, ElementsOutsideTheEllipseStayFinite) {
  for (double e : {-2.0, -1.0, 0.995, 1.0, 1.7, 40.0}) {
    const PlanetElements elements{1000.0, 2345.6, e, 5.2, 1.3, 100.0};
    const HeliocentricPosition h = OrbitPosition(elements, ConvergenceEpsilon(), FrameTerms{});
    EXPECT_TRUE(std::isfinite(h.longitudeDeg) && std::isfinite(h.latitudeDeg) && std::isfinite(h.radiusAu)) << e;
    EXPECT_GT(h.radiusAu, 0.0) << e;
  }
}

TEST(CorrectedElements, PerihelionTermDividesByTheMeanEccentricity) {
  const PlanetElements mean{10.0, 20.0, 0.05, 5.0, 1.0, 100.0};
  const PlanetElements c = CorrectedElements(mean, 0.3, 0.01, 0.002, -0.001);
  EXPECT_TRUE(Near(10.3, c.L, 1e-12));
  EXPECT_TRUE(Near(20.0 + 0.3 - 0.01 / 0.05, c.M, 1e-12));
  EXPECT_TRUE(Near(0.052, c.e, 1e-12));
  EXPECT_TRUE(Near(4.999, c.a, 1e-12));
  const PlanetElements circle = CorrectedElements(PlanetElements{10.0, 20.0, 0.0, 5.0, 1.0, 100.0}, 0.3, 0.01, 0, 0);
  EXPECT_TRUE(Near(20.3, circle.M, 1e-12));
}

TEST(TrigCache, ProductsOfMultiplesSummed) {
  constexpr AngleId X{0}, Y{1};
  constexpr ProductTerm terms[] = {
      {Sin(X), 1.0, 2.0, 3.0},           // (1 + 2 nu + 3 nu^2) sin X
      {Sin(X) * Cos(2 * Y), 0.5},        // 0.5 sin X cos 2Y
      {Cos(2 * Y) * Sin(3 * X), -0.25},  // -0.25 cos 2Y sin 3X
      {kConstantTerm, 7.0},
  };
  static_assert(FitsTrigCache(terms, 2));
  const double angles[] = {30.0, 50.0};
  const TrigCache cache(angles);
  const double nu = 0.3;
  const double rad = DegToRad();
  const double want = (1.0 + 2.0 * nu + 3.0 * nu * nu) * std::sin(30.0 * rad) +
                      0.5 * std::sin(30.0 * rad) * std::cos(100.0 * rad) -
                      0.25 * std::cos(100.0 * rad) * std::sin(90.0 * rad) + 7.0;
  EXPECT_TRUE(Near(want, SumProductTerms(terms, cache, nu), 1e-14));
}

// The multiples by angle addition against the C library's long-double sine of k times the angle
// in radians (the multiple taken exactly), for angles of every size the theories form (up to
// 1.5e5 degrees at the ends of -3000 to 3000).
TEST(TrigCache, MultiplesByAngleAdditionWithin1e15) {
  constexpr AngleId X{0};
  const double anglesDeg[] = {0.0, 1e-7, 30.0, 89.999, 271.3, -123.4, 15017.7, -151733.9};
  for (const double a : anglesDeg) {
    const double angles[] = {a};
    const TrigCache cache(angles);
    for (int k = 1; k <= kMaxAngleMultiple; ++k) {
      const long double x = static_cast<long double>(k) * static_cast<long double>(a * DegToRad());
      const double wantSin = static_cast<double>(std::sin(x));
      const double wantCos = static_cast<double>(std::cos(x));
      EXPECT_TRUE(Near(wantSin, cache.Factor(Sin(k * X)), 1e-15)) << "sin " << k << " x " << a;
      EXPECT_TRUE(Near(wantCos, cache.Factor(Cos(k * X)), 1e-15)) << "cos " << k << " x " << a;
    }
    EXPECT_EQ(1.0, cache.Factor(Sin(0 * X)));
    EXPECT_EQ(1.0, cache.Factor(TrigFactor{}));
  }
}

}  // namespace
}  // namespace caelix

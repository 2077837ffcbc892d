// The chart's sines, cosines and arctangents against the C library (the reference), within the
// bounds astro/trig.h states: 1 ulp for the sine and cosine up to pi/4, 1 ulp plus 1.2e-16
// where the argument is reduced, 1 ulp for the arctangent.
#include "astro/trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

namespace caelix {
namespace {

// One unit in the last place of v (of the smallest normal number for 0).
double Ulp(double v) {
  const double a = std::fabs(v);
  return std::nextafter(std::max(a, std::numeric_limits<double>::min()), std::numeric_limits<double>::infinity()) - a;
}

// The C library's value is itself within half an ulp, so the two may differ by 1.5 ulp.
::testing::AssertionResult WithinBound(const char* what, double x, double want, double got, double extra) {
  const double bound = 1.5 * Ulp(want) + extra;
  if (std::fabs(got - want) <= bound) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << what << "(" << x << "): want " << want << " (C library), got " << got
                                       << ", difference " << got - want << " (bound " << bound << ")";
}

TEST(Trig, SineAndCosineWithinTheirBoundAcrossEveryRange) {
  const double pi = std::numbers::pi;
  const struct {
    double low, high;
  } ranges[] = {
      {-pi / 4, pi / 4},  // the polynomials alone
      {-7.0, 7.0},        // every quadrant, near the turn
      {-400.0, 400.0},    // the mean anomalies of the theories in degrees of one century
      {4e5, 4.2e5},       // the Moon's arguments at the ends of -3000 to 3000, radians
      {-1.6e6, 1.6e6},    // up to the largest argument reduced here
      {1.6e6, 1e9},       // beyond it: the C library itself
  };
  std::mt19937_64 rng(9);
  for (const auto& r : ranges) {
    std::uniform_real_distribution<double> pick(r.low, r.high);
    for (int i = 0; i < 20000; ++i) {
      const double x = pick(rng);
      const SinCosValue sc = SinCosRad(x);
      const double reduction = std::fabs(x) <= pi / 4 ? 0.0 : 1.2e-16;
      ASSERT_TRUE(WithinBound("sin", x, std::sin(x), sc.sin, reduction));
      ASSERT_TRUE(WithinBound("cos", x, std::cos(x), sc.cos, reduction));
      ASSERT_EQ(sc.sin, SinRad(x));
      ASSERT_EQ(sc.cos, CosRad(x));
    }
  }
}

TEST(Trig, SineAndCosineAtTheQuadrantsAndEdges) {
  const double pi = std::numbers::pi;
  const double inf = std::numeric_limits<double>::infinity();
  const double cases[] = {0.0,
                          -0.0,
                          pi / 4,
                          pi / 2,
                          pi,
                          3 * pi / 2,
                          2 * pi,
                          -pi / 2,
                          1e-300,
                          1e-9,
                          100 * pi,
                          1.6e6,
                          -1.6e6,
                          1.6e6 + 1.0,
                          inf,
                          -inf,
                          std::nextafter(pi / 4, 1.0)};
  for (const double x : cases) {
    const SinCosValue sc = SinCosRad(x);
    if (!std::isfinite(x)) {
      EXPECT_TRUE(std::isnan(sc.sin) && std::isnan(sc.cos)) << x;
      continue;
    }
    EXPECT_TRUE(WithinBound("sin", x, std::sin(x), sc.sin, 1.2e-16));
    EXPECT_TRUE(WithinBound("cos", x, std::cos(x), sc.cos, 1.2e-16));
  }
  EXPECT_TRUE(std::isnan(SinRad(std::numeric_limits<double>::quiet_NaN())));
}

TEST(Trig, ArcTangentWithinOneUlpOnEveryInterval) {
  // The interval boundaries 7/16, 11/16, 19/16 and 39/16, either side, and the far ranges.
  const struct {
    double low, high;
  } ranges[] = {{0.0, 1e-9},      {1e-9, 0.4375}, {0.4375, 0.6875}, {0.6875, 1.1875},
                {1.1875, 2.4375}, {2.4375, 1e3},  {1e3, 1e19},      {-1e3, 0.0}};
  std::mt19937_64 rng(10);
  for (const auto& r : ranges) {
    std::uniform_real_distribution<double> pick(r.low, r.high);
    for (int i = 0; i < 20000; ++i) {
      const double t = pick(rng);
      ASSERT_TRUE(WithinBound("atan", t, std::atan(t), AtanRad(t), 0.0));
    }
  }
  const double inf = std::numeric_limits<double>::infinity();
  for (const double t : {0.4375, 0.6875, 1.1875, 2.4375, -0.4375, -2.4375, 0.0, -0.0, 1e19, -1e300, inf, -inf}) {
    EXPECT_TRUE(WithinBound("atan", t, std::atan(t), AtanRad(t), 0.0));
  }
  EXPECT_TRUE(std::isnan(AtanRad(std::numeric_limits<double>::quiet_NaN())));
}

}  // namespace
}  // namespace caelix

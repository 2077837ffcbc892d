// The four-lane sine and cosine (astro/trig_lanes.h) against SinCosRad, lane by lane and bit for
// bit: over the range the series leave after their reduction by turns (about [-pi, pi]), at the
// quadrant edges, and through SinCosMany over the whole range of the arguments the theories form,
// beyond the reduction's limit and NaN included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <random>
#include <vector>

#include "astro/trig.h"
#include "astro/trig_lanes.h"

namespace caelix {
namespace {

#if defined(CAELIX_TRIG_LANES_AVX2)
__attribute__((target("avx2"))) void FourLanes(const double* x, double* sines, double* cosines) {
  const Double4Pair sc = SinCosAvx2(_mm256_loadu_pd(x));
  _mm256_storeu_pd(sines, sc.x);
  _mm256_storeu_pd(cosines, sc.y);
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(SeriesSinCos, FourLanesAreSinCosRadBitForBit) {
  if (!HasAvx2()) GTEST_SKIP() << "the processor has no AVX2";
  std::vector<double> xs;
  constexpr double kPi = std::numbers::pi;
  for (int k = -4; k <= 4; ++k) {
    const double edge = k * kPi / 4;  // the ends of the quadrants' intervals
    for (const double x : {edge, std::nextafter(edge, -10.0), std::nextafter(edge, 10.0)}) xs.push_back(x);
  }
  for (const double x : {0.0, -0.0, 1e-300, -1e-300, 4.0, -4.0}) xs.push_back(x);
  std::mt19937_64 rng(20261209);
  std::uniform_real_distribution<double> wide(-4.0, 4.0);
  for (int n = 0; n < 400000; ++n) xs.push_back(wide(rng));
  while (xs.size() % 4 != 0) xs.push_back(1.0);
  int differing = 0;
  for (std::size_t i = 0; i < xs.size(); i += 4) {
    double s[4], c[4];
    FourLanes(&xs[i], s, c);
    for (std::size_t lane = 0; lane < 4; ++lane) {
      const double x = xs[i + lane];
      const SinCosValue want = SinCosRad(x);
      if ((!SameBits(want.sin, s[lane]) || !SameBits(want.cos, c[lane])) && ++differing <= 10) {
        ADD_FAILURE() << "x " << x << ": want sin " << want.sin << " cos " << want.cos << " (SinCosRad), got sin "
                      << s[lane] << " cos " << c[lane];
      }
    }
  }
  EXPECT_EQ(0, differing) << "of " << xs.size();
}
#endif

TEST(SeriesSinCos, SinCosManyIsSinCosRadOnEveryArgument) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::vector<double> xs;
  for (int n = 0; n < 200000; ++n) xs.push_back(unit(rng) * std::pow(10.0, 8.0 * std::fabs(unit(rng))));
  for (const double x : {1.6e6, std::nextafter(1.6e6, 2e6), -1.6e6, 1e300, std::nan(""), 0.0}) xs.push_back(x);
  for (std::size_t count : {xs.size(), xs.size() - 1, std::size_t{3}, std::size_t{0}}) {
    std::vector<double> s(count), c(count);
    SinCosMany(xs.data(), s.data(), c.data(), count);
    int differing = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const SinCosValue want = SinCosRad(xs[i]);
      const bool same = (std::isnan(want.sin) ? std::isnan(s[i])
                                              : want.sin == s[i] && std::signbit(want.sin) == std::signbit(s[i])) &&
                        (std::isnan(want.cos) ? std::isnan(c[i]) : want.cos == c[i]);
      if (!same && ++differing <= 10) {
        ADD_FAILURE() << "x " << xs[i] << ": want " << want.sin << ", " << want.cos << "; got " << s[i] << ", " << c[i];
      }
    }
    EXPECT_EQ(0, differing) << "of " << count;
  }
}

}  // namespace
}  // namespace caelix

#include "astro/everett.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "astro/angles.h"
#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;

TEST(EverettInterpolate, OnTheTabulatedDayGivesTheValueItself) {
  const std::array<double, 6> cases[] = {
      {10.0, 11.0, 12.5, 13.0, 15.0, 14.0},
      {78.3567409, 81.7040872, 85.0482792, 88.39, 91.73, 95.08},
      {358.0, 359.0, 0.5, 1.5, 2.5, 3.5},  // the turn lies before v[2]
      {0.8, 0.4, 359.9, 359.5, 359.1, 358.7},
  };
  for (const auto& v : cases) EXPECT_EQ(v[2], EverettInterpolate(v, 0.0)) << "v[2] " << v[2];
}

TEST(EverettInterpolate, CrossingZeroAriesStaysNearZero) {
  const std::array<double, 6> v = {359.0, 359.4, 359.8, 0.3, 0.8, 1.3};
  EXPECT_TRUE(Near(0.0426, Normalize360(EverettInterpolate(v, 0.5)), 5e-5));
  // Just after v[2] the value is a little below 360, given as v[2]'s side moved by a turn.
  EXPECT_TRUE(Near(359.8 - 360.0, EverettInterpolate(v, 1e-12), 1e-9));
}

TEST(EverettInterpolate, CloseToTheNextDayApproachesTheNextValue) {
  const std::array<double, 6> v = {100.0, 101.2, 102.5, 103.9, 105.4, 107.0};
  EXPECT_TRUE(Near(103.9, EverettInterpolate(v, 1.0 - 1e-9), 1e-8));
  EXPECT_TRUE(Near(103.9, EverettInterpolate(v, 0.999), 2e-3));
}

// Six points determine a quintic: the formula with fourth differences reproduces any polynomial
// up to degree five exactly, also when its values are written across the 0/360 turn.
double Quintic(double x) {
  return 3.0 * x + 0.5 * x * x - 0.1 * x * x * x + 0.02 * x * x * x * x + 0.01 * std::pow(x, 5);
}

TEST(EverettInterpolate, ReproducesAQuinticAcrossTheTurn) {
  // Offsets without a turn, then with the turn after v[1], v[2], v[3] and v[4].
  const double offsets[] = {100.0, 1.0, -1.0, -4.0, -8.0};
  const double fractions[] = {0.0, 0.1, 0.25, 0.5, 0.73, 0.999};
  for (double offset : offsets) {
    std::array<double, 6> v{};
    for (int m = 0; m < 6; ++m) v[m] = Normalize360(offset + Quintic(m - 2.0));
    for (double p : fractions) {
      const double want = Normalize360(offset + Quintic(p));
      EXPECT_TRUE(Near(want, Normalize360(EverettInterpolate(v, p)), 1e-9)) << "offset " << offset << " p " << p;
    }
  }
}

}  // namespace
}  // namespace caelix

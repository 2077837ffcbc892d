#include "ui/wheel/wheel_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;

TEST(WheelPoint, CentreRadiusAndTruncationTowardZero) {
  struct Case {
    double f, psi;
    int size;
    Point want;
  } const cases[] = {
      {0.5, 180.0, 480, {0, 240}},                                   // 9 o'clock on the outer circle
      {0.4, 90.0, 480, {240, 48}},                                   // up is smaller y
      {0.4, 270.0, 480, {240, 432}},                                 // down
      {0.34, 45.0, 480, {355, 124}},                                 // 240 + 115.4 and 240 - 115.4, both truncated
      {0.25, 0.0, 481, {360, 240}},                                  // an odd side: the centre is 481 div 2
      {0.505, 180.0, 100, {0, 50}},                                  // -0.5 truncates to 0, not -1
      {0.6, 180.0, 100, {-10, 50}},  {0.4, -90.0, 480, {240, 432}},  // not reduced by the caller
      {0.4, 810.0, 480, {240, 48}},  {0.4, std::nan(""), 480, {240, 240}},  // no direction: the centre
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.want, WheelPoint(c.f, c.psi, c.size)) << "f " << c.f << " psi " << c.psi << " size " << c.size;
  }
}

TEST(WheelDirection, AscendantAtNineOClockLongitudesCounterclockwise) {
  struct Case {
    double lambda, asc, want;
  } const cases[] = {
      {100.0, 100.0, 180.0},  // the Ascendant itself
      {280.0, 100.0, 360.0},  // the Descendant: 3 o'clock
      {10.0, 100.0, 90.0},    // a quadrant before the Ascendant: 12 o'clock, where the Midheaven usually is
      {0.0, 0.0, 180.0},
  };
  for (const Case& c : cases) EXPECT_TRUE(Near(c.want, WheelDirection(c.lambda, c.asc), 1e-12)) << c.lambda;
}

TEST(IsRetrograde, DirectionAcrossZeroAries) {
  struct Case {
    double a, b;
    bool want;
  } const cases[] = {
      {10.0, 11.0, false},   {11.0, 10.0, true},  {359.5, 0.2, false},  // 0.2 counts as 360.2
      {0.2, 359.5, true},                                               // 0.2 counts as 360.2
      {350.0, 350.0, false},                                            // stationary is not backwards
      {345.0, 339.0, true},  {15.0, 345.0, true}, {200.0, 199.9, true}, {19.0, 21.0, false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.want, IsRetrograde(c.a, c.b)) << c.a << " -> " << c.b;
}

// Wheel slots with the bodies 1 to 11 and 15 at the given longitudes and Lilith as given.
WheelSlots Bodies(const std::vector<double>& oneToEleven, double fortune, double lilith) {
  WheelSlots slots{};
  for (std::size_t i = 0; i < oneToEleven.size(); ++i) slots[i + 1].longitude = oneToEleven[i];
  slots[15].longitude = fortune;
  slots[16].longitude = lilith;
  return slots;
}

TEST(SpreadSymbols, ThirteenCloseBodiesFanNineDegreesApartFromTheLowest) {
  const std::vector<double> close = {101.0, 103.5, 100.5, 102.0, 104.0, 101.5, 103.0, 100.2, 102.5, 104.5, 101.2};
  const auto list = SpreadSymbols(Bodies(close, 103.8, 100.9));
  ASSERT_EQ(13u, list.size());
  const int wantOrder[] = {8, 3, 16, 1, 11, 6, 4, 9, 7, 2, 15, 5, 10};  // ascending true longitude
  for (std::size_t k = 0; k < list.size(); ++k) {
    EXPECT_EQ(wantOrder[k], list[k].bodyId) << "entry " << k;
    EXPECT_TRUE(Near(100.2 + 9.0 * k, list[k].longitude, 1e-9)) << "entry " << k;
  }
}

TEST(SpreadSymbols, ClusterAcrossZeroAriesMovesTheFirstPastTheLast) {
  // The Sun at 2 and the Moon at 355 are 7 deg apart across 0: the Sun goes to 4.
  const auto list = SpreadSymbols(Bodies({2.0, 355.0, 40, 70, 100, 130, 160, 190, 220, 250, 280}, 310.0, -1.0));
  ASSERT_EQ(12u, list.size());
  EXPECT_EQ(1, list.front().bodyId);
  EXPECT_TRUE(Near(4.0, list.front().longitude, 1e-9));
  EXPECT_EQ(2, list.back().bodyId);
  EXPECT_TRUE(Near(355.0, list.back().longitude, 1e-9));
  for (std::size_t k = 1; k + 1 < list.size(); ++k) EXPECT_TRUE(Near(10.0 + 30.0 * k, list[k].longitude, 1e-9));
}

TEST(SpreadSymbols, EntriesPushedPastAFullTurnComeBackBelow360) {
  const auto list = SpreadSymbols(Bodies({358.0, 359.0, 40, 70, 100, 130, 160, 190, 220, 250, 280}, 310.0, -1.0));
  ASSERT_EQ(12u, list.size());
  EXPECT_EQ(1, list[10].bodyId);
  EXPECT_TRUE(Near(358.0, list[10].longitude, 1e-9));
  EXPECT_EQ(2, list[11].bodyId);
  EXPECT_TRUE(Near(7.0, list[11].longitude, 1e-9));  // 367 taken a turn back; not re-sorted
}

TEST(SpreadSymbols, TightClusterOnBothSidesOfZeroSettles) {
  // 355, 357, 2 and 3: after the wrap the first entry sits 9 deg past the last, then the rest follow.
  const auto list = SpreadSymbols(Bodies({2.0, 3.0, 355.0, 357.0, 100, 130, 160, 190, 220, 250, 280}, 310.0, -1.0));
  ASSERT_EQ(12u, list.size());
  EXPECT_EQ(1, list[0].bodyId);
  EXPECT_TRUE(Near(13.0, list[0].longitude, 1e-9));
  EXPECT_TRUE(Near(22.0, list[1].longitude, 1e-9));
  EXPECT_TRUE(Near(355.0, list[10].longitude, 1e-9));
  EXPECT_TRUE(Near(4.0, list[11].longitude, 1e-9));
}

TEST(SpreadSymbols, LilithWithoutValueIsLeftOutAndEqualLongitudesKeepTheirOrder) {
  const std::vector<double> spread = {50.0, 50.0, 90, 120, 150, 180, 210, 240, 270, 300, 330};
  const auto without = SpreadSymbols(Bodies(spread, 20.0, -1.0));
  ASSERT_EQ(12u, without.size());
  for (const DisplayEntry& e : without) EXPECT_NE(16, e.bodyId);
  EXPECT_EQ((DisplayEntry{20.0, 15}), without[0]);
  EXPECT_EQ((DisplayEntry{50.0, 1}), without[1]);
  EXPECT_EQ((DisplayEntry{59.0, 2}), without[2]);
  const auto with = SpreadSymbols(Bodies(spread, 20.0, 0.0));
  ASSERT_EQ(13u, with.size());
  EXPECT_EQ((DisplayEntry{0.0, 16}), with[0]);
}

TEST(MakeWheelSlots, LilithTakesTheMidpointsPlace) {
  ChartResult chart;
  for (std::size_t i = 0; i < kBodyCount; ++i) chart.slots[i].longitude = static_cast<double>(i);
  const WheelSlots slots = MakeWheelSlots(chart);
  for (std::size_t i = 0; i < kWheelEntryCount; ++i) {
    EXPECT_EQ(i == 16 ? 22.0 : static_cast<double>(i), slots[i].longitude) << "slot " << i;
  }
}

}  // namespace
}  // namespace caelix

#include "ui/wheel/wheel_spread.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/near.h"

namespace caelix {
namespace {

using testing::NearAngle;

double Arc(double from, double to) { return std::fmod(std::fmod(to - from, 360.0) + 360.0, 360.0); }

TEST(SpreadAroundCircle, PlacesAsTheTableSays) {
  const struct {
    const char* name;
    std::vector<SpreadItem> items;
    double gap;
    std::vector<double> want;
  } kRows[] = {
      {"nothing", {}, 1.0, {}},
      {"one stays", {{123.0, 5.0}}, 1.0, {123.0}},
      {"far apart stay", {{10, 2}, {100, 2}, {250, 2}}, 1.0, {10, 100, 250}},
      {"a pair opens around its middle", {{10, 2}, {11, 2}}, 1.0, {8, 13}},
      {"equal places keep the list's order", {{50, 1}, {50, 1}, {50, 1}}, 0.0, {48, 50, 52}},
      {"across 0 deg", {{359, 3}, {1, 3}}, 0.0, {357, 3}},
      {"list order is not zodiac order", {{1, 3}, {359, 3}}, 0.0, {3, 357}},
      {"a crowd pushes its neighbour", {{20, 2}, {20, 2}, {20, 2}, {25, 2}}, 0.0, {15.25, 19.25, 23.25, 27.25}},
      {"more than a turn: even spacing",
       {{0, 30}, {0, 30}, {0, 30}, {0, 30}, {0, 30}, {0, 30}, {0, 30}},
       0.0,
       {0, 360.0 / 7, 720.0 / 7, 1080.0 / 7, 1440.0 / 7, 1800.0 / 7, 2160.0 / 7}},
  };
  for (const auto& row : kRows) {
    const std::vector<double> got = SpreadAroundCircle(row.items, row.gap);
    ASSERT_EQ(row.want.size(), got.size()) << row.name;
    // The last row is a ring with no fixed start: compare the steps.
    const bool ring = std::string(row.name).starts_with("more");
    for (std::size_t i = 0; i < got.size(); ++i) {
      if (ring) {
        EXPECT_TRUE(NearAngle(row.want[i] - row.want[0], got[i] - got[0], 1e-9)) << row.name << " #" << i;
      } else {
        EXPECT_TRUE(NearAngle(row.want[i], got[i], 1e-9)) << row.name << " #" << i;
      }
      EXPECT_TRUE(got[i] >= 0.0 && got[i] < 360.0) << row.name << " #" << i;
    }
  }
}

// Pseudo-random crowds: neighbours keep their order and their distance.
TEST(SpreadAroundCircle, KeepsOrderAndDistanceOnRandomCrowds) {
  unsigned state = 12345;
  const auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<double>((state >> 8) & 0xFFFF) / 65536.0;
  };
  for (int round = 0; round < 300; ++round) {
    const std::size_t n = 2 + static_cast<std::size_t>(next() * 24);
    const double centre = next() * 360.0;
    const double spreadDeg = next() < 0.5 ? 8.0 : 360.0;
    std::vector<SpreadItem> items;
    for (std::size_t i = 0; i < n; ++i) items.push_back({centre + (next() - 0.5) * spreadDeg, 1.0 + 4.0 * next()});
    const std::vector<double> shown = SpreadAroundCircle(items, 0.5);
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return std::fmod(items[a].angleDeg + 720.0, 360.0) < std::fmod(items[b].angleDeg + 720.0, 360.0);
    });
    double turn = 0.0;
    for (std::size_t k = 0; k < n; ++k) {
      const std::size_t a = order[k];
      const std::size_t b = order[(k + 1) % n];
      const double arc = Arc(shown[a], shown[b]);
      const double need = items[a].halfWidthDeg + items[b].halfWidthDeg + 0.5;
      EXPECT_GE(arc + 1e-9, need) << "round " << round << " pair " << k;
      turn += arc;
    }
    EXPECT_NEAR(360.0, turn, 1e-6) << "round " << round << ": the order changed";
  }
}

}  // namespace
}  // namespace caelix

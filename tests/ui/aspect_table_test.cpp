#include "ui/pages/aspect_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace caelix {
namespace {

TEST(FindAspect, SeparationsOrbsAndTableOrder) {
  struct Case {
    double x, y, want;
  } const cases[] = {
      {9.5, 0.0, 0.0},     {0.0, 9.5, 0.0},       {10.0, 0.0, 0.0},      // orb bound included
      {10.5, 0.0, -1.0},   {0.0, 10.5, -1.0},     {200.0, 200.0, 0.0},   //
      {147.0, 0.0, 150.0}, {0.0, 147.0, 150.0},   {144.0, 0.0, 144.0},   // inside two orbs: the earlier
      {64.0, 0.0, 60.0},   {128.0, 0.0, 120.0},   {96.0, 0.0, 90.0},     //
      {31.0, 0.0, 30.0},   {32.5, 0.0, 32.0},     {100.0, 0.0, 102.0},   //
      {0.0, 190.0, 180.0}, {350.0, 170.0, 180.0}, {5.0, 185.0, 180.0},   //
      {355.0, 3.0, 0.0},   {3.0, 355.0, 0.0},     {10.0, 300.0, 72.0},   // across 0 degrees
      {300.0, 10.0, 72.0}, {340.0, 20.0, 40.0},   {20.0, 340.0, 40.0},   //
      {0.0, 25.0, -1.0},   {0.0, 162.0, -1.0},    {130.0, 10.0, 120.0},  // no aspect in the table
  };
  for (const Case& c : cases) EXPECT_EQ(c.want, FindAspect(c.x, c.y)) << "x " << c.x << " y " << c.y;
}

// The search as the table defines it: every entry in order, each with its four windows.
const AspectEntry* SearchEveryEntry(double x, double y) {
  for (const AspectEntry& e : kAspectTable) {
    const double a = e.angleDeg;
    const double o = e.orbDeg;
    const double z = y - a;
    if (((a + y) - o <= x && x <= (o + a) + y) || (z - o <= x && x <= z + o) ||
        ((z - o) + 360.0 <= x && x <= (z + o) + 360.0) || (((a + y) - o) - 360.0 <= x && x <= ((o + a) + y) - 360.0)) {
      return &e;
    }
  }
  return nullptr;
}

// FindAspectEntry looks only at the entries whose window is near the separation: it must find
// what the search of every entry finds, above all on the windows' computed bounds and one step
// of a double either side of them, and across 0 degrees.
TEST(FindAspectEntry, FindsWhatTheSearchOfEveryEntryFinds) {
  std::mt19937_64 rng(20261209);
  std::uniform_real_distribution<double> longitude(0.0, 360.0);
  std::uniform_int_distribution<std::size_t> entry(0, kAspectTable.size() - 1);
  int compared = 0;
  int onBounds = 0;
  for (int n = 0; n < 400000; ++n) {
    const double y = n % 97 == 0 ? 0.0 : longitude(rng);
    std::vector<double> xs = {longitude(rng), std::nextafter(360.0, 0.0), 0.0, y};
    const AspectEntry& e = kAspectTable[entry(rng)];
    const double z = y - e.angleDeg;
    for (const double bound :
         {(e.angleDeg + y) - e.orbDeg, (e.orbDeg + e.angleDeg) + y, z - e.orbDeg, z + e.orbDeg, (z - e.orbDeg) + 360.0,
          (z + e.orbDeg) + 360.0, ((e.angleDeg + y) - e.orbDeg) - 360.0, ((e.orbDeg + e.angleDeg) + y) - 360.0}) {
      for (const double x : {std::nextafter(bound, -1e9), bound, std::nextafter(bound, 1e9)}) {
        if (x >= 0.0 && x < 360.0) xs.push_back(x);
      }
    }
    for (const double x : xs) {
      const AspectEntry* want = SearchEveryEntry(x, y);
      const AspectEntry* got = FindAspectEntry(x, y);
      ++compared;
      if (want != nullptr && (want == &e)) ++onBounds;
      ASSERT_EQ(want, got) << "x " << x << " y " << y << " want " << (want ? want->name : "none") << " got "
                           << (got ? got->name : "none");
    }
  }
  EXPECT_GT(onBounds, 100000) << "of " << compared << " pairs";
  // Outside [0, 360) every entry is searched, as before.
  for (const double x : {-1.0, 360.0, 365.0, -355.0}) EXPECT_EQ(SearchEveryEntry(x, 10.0), FindAspectEntry(x, 10.0));
}

}  // namespace
}  // namespace caelix

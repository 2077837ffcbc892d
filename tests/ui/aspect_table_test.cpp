#include "ui/pages/aspect_table.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace caelix

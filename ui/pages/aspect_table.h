#pragma once
// The aspects between two longitudes: 23 angular separations, each with its own orb.
#include <array>

namespace caelix {

struct AspectEntry {
  double angleDeg;
  double orbDeg;
};

// The aspect table in the order it is searched: the first entry whose orb holds a separation
// is the aspect reported, so 147 degrees is 150 (not 144) and 64 is 60.
inline constexpr std::array<AspectEntry, 23> kAspectTable = {{
    {0, 10}, {180, 10}, {90, 6}, {120, 8}, {60, 4},  {150, 3}, {30, 1},  {135, 2}, {45, 2}, {72, 3}, {144, 3}, {40, 1},
    {51, 2}, {36, 1},   {80, 1}, {102, 2}, {108, 1}, {153, 2}, {160, 1}, {32, 1},  {64, 1}, {96, 1}, {128, 1},
}};

// The value FindAspect returns when two longitudes form no aspect of the table.
constexpr double kNoAspect = -1.0;

// Returns the angle in degrees of the first table entry whose orb window holds longitude x
// against longitude y (both degrees, [0, 360)), or -1.0 when none does. Each entry tests four
// windows with both bounds included: x within the orb of y + A, of y - A, of y - A + 360 and of
// y + A - 360, which cover the separation in both directions and across 0 degrees.
double FindAspect(double x, double y);

}  // namespace caelix

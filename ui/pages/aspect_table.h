#pragma once
// The aspects between two longitudes: 23 angular separations, each with its own orb.
#include <array>

namespace caelix {

struct AspectEntry {
  double angleDeg;
  double orbDeg;
  const char* name;  // as machine-readable output names it; the page shows the angle
};

// The aspect table in the order it is searched: the first entry whose orb holds a separation
// is the aspect reported, so 147 degrees is 150 (not 144) and 64 is 60. The angles are whole
// degrees: the septiles (360/7 and multiples) are 51, 102, 153, the undeciles (360/11 and
// multiples) 32, 64, 96, 128.
inline constexpr std::array<AspectEntry, 23> kAspectTable = {{
    {0, 10, "conjunction"}, {180, 10, "opposition"}, {90, 6, "square"},          {120, 8, "trine"},
    {60, 4, "sextile"},     {150, 3, "quincunx"},    {30, 1, "semisextile"},     {135, 2, "sesquiquadrate"},
    {45, 2, "semisquare"},  {72, 3, "quintile"},     {144, 3, "biquintile"},     {40, 1, "novile"},
    {51, 2, "septile"},     {36, 1, "decile"},       {80, 1, "binovile"},        {102, 2, "biseptile"},
    {108, 1, "tridecile"},  {153, 2, "triseptile"},  {160, 1, "quadrinovile"},   {32, 1, "undecile"},
    {64, 1, "biundecile"},  {96, 1, "triundecile"},  {128, 1, "quadriundecile"},
}};

// The value FindAspect returns when two longitudes form no aspect of the table.
constexpr double kNoAspect = -1.0;

// Returns the angle in degrees of the first table entry whose orb window holds longitude x
// against longitude y (both degrees, [0, 360)), or -1.0 when none does. Each entry tests four
// windows with both bounds included: x within the orb of y + A, of y - A, of y - A + 360 and of
// y + A - 360, which cover the separation in both directions and across 0 degrees.
double FindAspect(double x, double y);

// Returns the table entry FindAspect(x, y) finds, or nullptr when it finds none.
const AspectEntry* FindAspectEntry(double x, double y);

}  // namespace caelix

#pragma once
// Where things go on the wheel: screen directions of longitudes, pixel points, the spreading of
// the body symbols and the retrograde test.
#include <array>
#include <cstddef>
#include <vector>

#include "chart/chart_result.h"
#include "platform/drawing_surface.h"

namespace caelix {

// The slots the wheel draws, by wheel entry (the catalogue's placement): the chart's slots 0 to
// 21, with Lilith (slot 22) in entry 16 in place of the Sun/Moon midpoint.
using WheelSlots = std::array<BodySlot, kWheelEntryCount>;

// Returns the wheel slots of a chart.
WheelSlots MakeWheelSlots(const ChartResult& chart);

// Returns the screen direction of ecliptic longitude lambdaDeg on a wheel whose Ascendant is at
// ascendantDeg: lambda - asc + 180, degrees counterclockwise from the positive x axis, not
// reduced. The Ascendant lies at 9 o'clock and longitudes increase counterclockwise.
double WheelDirection(double lambdaDeg, double ascendantDeg);

// Returns the pixel point at the fraction f of wheelSize from the centre (wheelSize div 2 on
// both axes) in direction psiDeg: (trunc(cx + f size cos psi), trunc(cy - f size sin psi)),
// truncated toward zero; the screen y axis points down. Exact at the quarter turns;
// a direction that is not a number gives the centre.
Point WheelPoint(double f, double psiDeg, int wheelSize);

// Returns whether a body moving from longitude a to b (degrees, one day apart) moves backwards:
// across 0 deg (a > 340 and b < 20, or a < 20 and b > 340) the smaller one is taken a turn on,
// then b < a.
bool IsRetrograde(double a, double b);

// One body symbol on the wheel: the longitude it is drawn at (degrees) and its entry (BodyId).
struct DisplayEntry {
  double longitude;
  int bodyId;
  friend bool operator==(const DisplayEntry&, const DisplayEntry&) = default;
};

// Returns the display list of the body symbols: the entries on the catalogue's body ring (1 to
// 11, 15 and 16, Lilith), each left out when its longitude is -1.0, at their longitudes, sorted ascending (an exchange
// sort; equal longitudes keep their order), then spread so that neighbours lie at least 9 deg apart: forward passes
// push entries counterclockwise, and when the last comes within 9 deg of the first across 0 deg the first is moved to 9
// deg past it, until a round leaves the first entry as it was. Finally longitudes of 360 or more are taken a turn back.
// The list is not re-sorted.
std::vector<DisplayEntry> SpreadSymbols(const WheelSlots& slots);

}  // namespace caelix

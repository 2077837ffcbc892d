#include "ui/wheel/wheel_geometry.h"

#include <cmath>
#include <cstddef>
#include <utility>

#include "astro/angles.h"

namespace caelix {
namespace {

constexpr double kMinimumGapDeg = 9.0;

void ForwardPass(std::vector<DisplayEntry>& list) {
  for (std::size_t k = 1; k < list.size(); ++k) {
    if (list[k].longitude < list[k - 1].longitude + kMinimumGapDeg) {
      list[k].longitude = list[k - 1].longitude + kMinimumGapDeg;
    }
  }
}

// Sorts ascending by longitude, swapping neighbours only when the later one is strictly smaller.
void ExchangeSort(std::vector<DisplayEntry>& list) {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t k = 1; k < list.size(); ++k) {
      if (list[k].longitude < list[k - 1].longitude) {
        std::swap(list[k], list[k - 1]);
        swapped = true;
      }
    }
  }
}

}  // namespace

WheelSlots MakeWheelSlots(const ChartResult& chart) {
  WheelSlots slots{};
  for (std::size_t entry = 0; entry < kWheelEntryCount; ++entry) slots[entry] = chart[kWheelEntrySlots[entry]];
  return slots;
}

double WheelDirection(double lambdaDeg, double ascendantDeg) { return lambdaDeg - ascendantDeg + 180.0; }

Point WheelPoint(double f, double psiDeg, int wheelSize) {
  // The centre is a whole pixel: half the size, rounded down.
  const double c = static_cast<double>(wheelSize / 2);  // NOLINT(bugprone-integer-division)
  const double r = f * wheelSize;
  // The cosine and sine are taken of the angle's distance from the nearest quarter turn, so the
  // quarter turns themselves are exact (the Ascendant's line lies level) and the wheel symmetric.
  const double a = Normalize360(psiDeg);
  if (std::isnan(a)) return {wheelSize / 2, wheelSize / 2};
  const int quarter = static_cast<int>(std::lround(a / 90.0));
  const double rest = (a - 90.0 * quarter) * DegToRad();
  const double cr = std::cos(rest);
  const double sr = std::sin(rest);
  const double cosPsi[] = {cr, -sr, -cr, sr, cr};
  const double sinPsi[] = {sr, cr, -sr, -cr, sr};
  return {static_cast<int>(std::trunc(c + r * cosPsi[quarter])), static_cast<int>(std::trunc(c - r * sinPsi[quarter]))};
}

bool IsRetrograde(double a, double b) {
  if (a > 340.0 && b < 20.0) b += 360.0;
  if (a < 20.0 && b > 340.0) a += 360.0;
  return b < a;
}

std::vector<DisplayEntry> SpreadSymbols(const WheelSlots& slots) {
  std::vector<DisplayEntry> list;
  for (std::size_t entry = 0; entry < kWheelEntryCount; ++entry) {
    const double longitude = slots[entry].longitude;
    if (SlotOf(kWheelEntrySlots[entry]).wheel.ring != WheelRing::Bodies || longitude == kNoLongitude) continue;
    list.push_back({longitude, static_cast<int>(entry)});
  }
  ExchangeSort(list);
  // A round only moves the first entry forward, to 351 deg before the last; with at most 13
  // entries 9 deg apart the spread never reaches round to it again, so two rounds suffice. A
  // wrap that gives the first entry the value it already holds counts as no change.
  for (bool moved = true; moved;) {
    const double first = list.front().longitude;
    ForwardPass(list);
    const double last = list.back().longitude;
    if (last + kMinimumGapDeg > list.front().longitude + 360.0) {
      list.front().longitude = last - 360.0 + kMinimumGapDeg;
    }
    ForwardPass(list);
    moved = list.front().longitude != first;
  }
  for (DisplayEntry& e : list) {
    if (e.longitude >= 360.0) e.longitude -= 360.0;
  }
  return list;
}

}  // namespace caelix

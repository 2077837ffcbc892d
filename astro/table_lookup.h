#pragma once
// Longitude lookup in a tabulated series of a body.
#include <cstdint>
#include <span>

namespace caelix {

// Every tabulated series starts at this Julian day: 29 October 1915, 12 h.
constexpr double kTableFirstJd = 2420800.0;

// One built-in series: value k belongs to the Julian day kTableFirstJd + k × stepDays and is a
// longitude in units of 1e-7 degree. The lookup answers for days in [lowerJd, upperJd] only.
struct TableSeries {
  std::span<const std::uint32_t> values;
  double stepDays;     // 1, 5 or 30
  double inverseStep;  // 1/step as the lookup multiplies by it: 1.0, 0.2 or 1.0 / 30.0
  double lowerJd;      // first Julian day with a value (inclusive)
  double upperJd;      // last Julian day with a value (inclusive)
};

// Returns the series' longitude in degrees, [0, 360), at the Julian day jd, or -1.0 when jd lies
// outside [lowerJd, upperJd] (or is not a number) or fewer than two values precede and three
// follow its step. The step index comes from the day truncated to a whole number, the fraction
// of the step from the full jd; the six values around it go through EverettInterpolate and the
// result is reduced to [0, 360).
double SeriesLongitude(const TableSeries& series, double jd);

}  // namespace caelix

#pragma once
// Lookup in a built-in series: the six values around a Julian day and Everett's interpolation.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "astro/everett.h"
#include "astro/tables/table_values.h"

namespace caelix {

// Returns the first Julian day a series answers for: two steps after its first value, so that
// two values precede the step of every lookup.
constexpr double SeriesLowerJd(const tables::SeriesGrid& grid) { return grid.firstJd + 2.0 * grid.stepDays; }

// Returns the last Julian day a series answers for: three steps before its last value, so that
// three values follow the step of every lookup.
constexpr double SeriesUpperJd(const tables::SeriesGrid& grid) {
  return grid.firstJd + static_cast<double>(grid.count - 4) * grid.stepDays;
}

// Where a lookup reads: six values from index start, and the fraction [0, 1) of the step between
// the third and the fourth of them at which the Julian day lies.
struct SeriesStencil {
  std::size_t start;
  double fraction;
};

// Returns the stencil of jd in a series on grid, or nothing when jd lies outside
// [SeriesLowerJd, SeriesUpperJd] (or is not a number). The step comes from the day truncated to a
// whole number, n = trunc(jd) - first and w = trunc(n × (1/step)); the fraction from the full jd,
// ((jd - first) - w × step) × (1/step).
std::optional<SeriesStencil> LocateInSeries(const tables::SeriesGrid& grid, double jd);

// Returns Everett's interpolation of the six values of values from stencil.start, each taken as
// the integer × 1e-7 (degrees or AU as the series holds), at stencil.fraction; not reduced.
template <typename Value>
double InterpolateSeries(std::span<const Value> values, const SeriesStencil& stencil) {
  std::array<double, 6> v{};
  for (std::size_t m = 0; m < v.size(); ++m) v[m] = static_cast<double>(values[stencil.start + m]) * 1e-7;
  return EverettInterpolate(v, stencil.fraction);
}

// One tabulated body: its longitudes in units of 1e-7 degree on their grid.
struct TableSeries {
  std::span<const std::uint32_t> values;
  tables::SeriesGrid grid;
};

// Returns the series' longitude in degrees, [0, 360), at the Julian day jd (TT), interpolated by
// Everett's formula from the six values around it and reduced to [0, 360); -1.0 when jd lies
// outside [SeriesLowerJd, SeriesUpperJd] or is not a number.
double SeriesLongitude(const TableSeries& series, double jd);

}  // namespace caelix

#include "astro/table_lookup.h"

#include <cmath>

#include "astro/angles.h"

namespace caelix {

std::optional<SeriesStencil> LocateInSeries(const tables::SeriesGrid& grid, double jd) {
  if (!(jd >= SeriesLowerJd(grid) && jd <= SeriesUpperJd(grid))) return std::nullopt;
  const double inverseStep = 1.0 / grid.stepDays;
  const double n = std::trunc(jd) - grid.firstJd;
  const double w = std::trunc(n * inverseStep);
  // Two values before the step and three after it must exist.
  if (w < 2.0 || w > static_cast<double>(grid.count) - 4.0) return std::nullopt;
  const double p = ((jd - grid.firstJd) - w * grid.stepDays) * inverseStep;
  return SeriesStencil{static_cast<std::size_t>(w) - 2, p};
}

double SeriesLongitude(const TableSeries& series, double jd) {
  constexpr double kNoValue = -1.0;
  const std::optional<SeriesStencil> stencil = LocateInSeries(series.grid, jd);
  if (!stencil) return kNoValue;
  return Normalize360(InterpolateSeries(series.values, *stencil));
}

}  // namespace caelix

#include "astro/table_lookup.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "astro/angles.h"
#include "astro/everett.h"

namespace caelix {

double SeriesLongitude(const TableSeries& series, double jd) {
  constexpr double kNoValue = -1.0;
  if (!(jd >= series.lowerJd && jd <= series.upperJd)) return kNoValue;
  const double n = std::trunc(jd) - kTableFirstJd;
  const double w = std::trunc(n * series.inverseStep);
  // Two values before the interval and three after it must exist.
  const double count = static_cast<double>(series.values.size());
  if (w < 2.0 || w > count - 4.0) return kNoValue;

  const std::size_t start = static_cast<std::size_t>(w) - 2;
  std::array<double, 6> v{};
  for (std::size_t m = 0; m < v.size(); ++m) {
    v[m] = static_cast<double>(series.values[start + m]) * 1e-7;
  }
  const double p = ((jd - kTableFirstJd) - w * series.stepDays) * series.inverseStep;
  return Normalize360(EverettInterpolate(v, p));
}

}  // namespace caelix

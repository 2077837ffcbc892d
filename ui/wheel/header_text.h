#pragma once
// The line that names a chart on its wheel.
#include <string>

#include "chart/chart_input.h"

namespace caelix {

// Returns day.month.year, a space, the hour, "GMT:", the minute with two decimals (a leading 0
// below 10), ", ", the latitude and the longitude with two decimals each followed by a degree
// sign, the two separated by a space; day, month, year and hour truncated toward zero. UTF-8.
// Example: 28.2.2006 17GMT:42.50, 50.08° 14.42°
std::string BuildHeaderText(const ChartInput& input);

}  // namespace caelix

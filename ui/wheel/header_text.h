#pragma once
// The line that names a chart on its wheel.
#include <string>

#include "chart/chart_input.h"

namespace caelix {

// Returns the positions page's two header lines on one: the date and time, ", ", and the place.
// Example: 28.2.2006 17GMT:42.50, 50.08° 14.42°
std::string BuildHeaderText(const ChartInput& input);

}  // namespace caelix

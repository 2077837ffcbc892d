#pragma once
// The chart wheel as an SVG picture, for `caelix chart --svg`.
#include <string>

#include "chart/chart_input.h"
#include "chart/chart_result.h"

namespace caelix {

// The side of the picture when none is asked for, and the sides accepted (pixels).
constexpr int kDefaultSvgSize = 480;
constexpr int kMinSvgSize = 64;
constexpr int kMaxSvgSize = 8192;

// Returns an SVG document of size x size pixels with the wheel of chart as the chart window
// draws it. Every placed symbol carries a title with what a tap on its centre alone names: the
// centre the chart's date, time and place, the others their label, position and daily motion.
std::string ChartWheelSvg(const ChartInput& input, const ChartResult& chart, int size);

}  // namespace caelix

#pragma once
// The chart wheel as an SVG picture, for `caelix chart --svg` and `--png`.
#include <string>

#include "chart/chart_input.h"
#include "chart/chart_result.h"
#include "cli/modern_wheel_svg.h"
#include "places/birth_data.h"
#include "ui/wheel/modern_wheel_layout.h"

namespace caelix {

// The side of the picture when none is asked for, and the sides accepted (pixels).
constexpr int kDefaultSvgSize = 480;
constexpr int kMinSvgSize = 64;
constexpr int kMaxSvgSize = 8192;

// Returns an SVG document of size x size pixels with the wheel of chart as the chart window
// draws it. Every placed symbol carries a title with what a tap on its centre alone names: the
// centre the chart's date, time and place, the others their label, position and daily motion.
std::string ChartWheelSvg(const ChartInput& input, const ChartResult& chart, int size);

// The two pictures of a chart: the modern wheel, or the chart window's own (classic).
enum class WheelStyle { Modern, Classic };

struct WheelPictureOptions {
  WheelStyle style = WheelStyle::Modern;
  WheelTheme theme = WheelTheme::Light;
  ModernWheelOptions modern;  // its size is the wheel's side in both styles
};

// Sets the modern wheel's header lines of a converted local time: the time as entered with its zone
// ("1985-07-14 09:20 Europe/Madrid (CEST, +02:00)", "1850-06-01 12:00 local mean time
// (-00:14:48)"; none when the zone was UT itself), and the atlas place's name ("Madrid, Spain",
// "Springfield, Illinois, United States") when the atlas was used.
void SetBirthDataHeader(const ResolvedBirthData& birth, ModernWheelOptions& options);

// Returns the SVG document of the picture the options ask for.
std::string WheelPictureSvg(const ChartInput& input, const ChartResult& chart, const WheelPictureOptions& options);

}  // namespace caelix

#include "cli/chart_svg.h"

#include "platform/svg_surface.h"
#include "ui/wheel/chart_wheel.h"
#include "ui/wheel/header_text.h"

namespace caelix {

std::string ChartWheelSvg(const ChartInput& input, const ChartResult& chart, int size) {
  // The area a tap names a symbol from: 8 pixels on every side of its centre.
  constexpr int kReach = 8;
  SvgSurface svg(size, size);
  ChartWheel wheel;
  wheel.DrawWheel(svg, {0, 0, size, size}, chart, BuildHeaderText(input));
  const SymbolPositions& positions = wheel.symbolPositions();
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (!positions[i].placed) continue;
    svg.AddTitledArea(positions[i].point.x - kReach, positions[i].point.y - kReach, 2 * kReach + 1, 2 * kReach + 1,
                      wheel.SymbolText(i));
  }
  return svg.Document();
}

std::string WheelPictureSvg(const ChartInput& input, const ChartResult& chart, const WheelPictureOptions& options) {
  if (options.style == WheelStyle::Classic) return ChartWheelSvg(input, chart, options.modern.size);
  return ModernWheelSvg(LayoutModernWheel(input, chart, options.modern), options.theme);
}

}  // namespace caelix

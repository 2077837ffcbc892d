#include "cli/chart_svg.h"

#include "places/clock_zone.h"
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

void SetBirthDataHeader(const ResolvedBirthData& birth, ModernWheelOptions& options) {
  const ZoneReading& z = birth.reading;
  std::string local = FormatClockTime(birth.local) + " ";
  if (z.localMeanTime) {
    local += "local mean time (" + FormatOffset(z.offsetSeconds) + ")";
  } else if (birth.zoneName == z.abbreviation) {
    local += birth.zoneName;  // a fixed offset, "UTC+05:30"
  } else {
    local += birth.zoneName + " (" + z.abbreviation + ", " + FormatOffset(z.offsetSeconds) + ")";
  }
  if (birth.chosen) local += ", one of two readings";
  const bool universal = !z.localMeanTime && z.offsetSeconds == 0.0 && birth.zoneName == "UT";
  options.localTime = universal ? std::string() : local;
  options.placeName.clear();
  if (!birth.place) return;
  const AtlasPlace& p = *birth.place;
  options.placeName = std::string(p.name);
  if (!p.regionName.empty() && p.regionName != p.name) options.placeName += ", " + std::string(p.regionName);
  options.placeName += ", " + std::string(p.countryName.empty() ? p.countryCode : p.countryName);
}

std::string WheelPictureSvg(const ChartInput& input, const ChartResult& chart, const WheelPictureOptions& options) {
  if (options.style == WheelStyle::Classic) return ChartWheelSvg(input, chart, options.modern.size);
  return ModernWheelSvg(LayoutModernWheel(input, chart, options.modern), options.theme);
}

}  // namespace caelix

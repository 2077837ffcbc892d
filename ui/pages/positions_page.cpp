#include "ui/pages/positions_page.h"

#include <cmath>
#include <cstdio>

#include "ui/pages/position_format.h"

namespace caelix {

namespace {

constexpr const char* kDegreeSign = "\xC2\xB0";  // U+00B0 in UTF-8

std::string Formatted(const char* format, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

std::string Truncated(double v) { return std::to_string(static_cast<long long>(std::trunc(v))); }

std::string DateLine(const ChartInput& in) { return HeaderDateText(in) + ",\r\n"; }

std::string PlaceLine(const ChartInput& in) { return HeaderPlaceText(in) + ":\r\n\r\n"; }

// Returns the line that goes before a slot's own: the heading of its section when it is the
// section's first slot, else nothing.
std::string SectionHeading(const SlotInfo& slot, const ChartInput& input) {
  const std::size_t i = static_cast<std::size_t>(slot.id);
  if (i == 0 || kCatalogue[i - 1].section == slot.section) return {};
  switch (slot.section) {
    case PageSection::Houses:
      return std::string(input.houseName()) + "\r\n";
    case PageSection::TableBodies:
      return "--\r\n";
    default:
      return {};
  }
}

}  // namespace

std::string HeaderDateText(const ChartInput& in) {
  return Truncated(in.day) + "." + Truncated(in.month) + "." + Truncated(in.year) + " " + Truncated(in.hour) +
         "GMT:" + Formatted("%05.2f", in.minute);
}

std::string HeaderPlaceText(const ChartInput& in) {
  return Formatted("%.2f", in.latitude) + kDegreeSign + " " + Formatted("%.2f", in.longitude) + kDegreeSign;
}

std::string BuildPositionsText(const ChartInput& input, const ChartResult& result) {
  std::string text = DateLine(input) + PlaceLine(input);
  for (const SlotInfo& slot : kCatalogue) {
    const BodySlot& s = result[slot.id];
    if (slot.section == PageSection::Hidden || s.longitude == kNoLongitude) continue;
    text.append(SectionHeading(slot, input)).append(slot.label).append("\t").append(FormatPosition(s.longitude));
    if (slot.hasNext && s.longitudeNext != kNoLongitude) {
      text.append("\t").append(FormatMotion(s.longitude, s.longitudeNext));
    }
    text.append("\r\n");
  }
  return text;
}

}  // namespace caelix

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

bool HasMotionColumn(BodyId id) { return id <= BodyId::MeanNode || IsTableBody(id); }

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
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    const auto id = static_cast<BodyId>(i);
    const BodySlot& s = result[id];
    if (id == BodyId::PartOfDaimon || s.longitude == kNoLongitude) continue;
    if (id == BodyId::Cusp2) text.append(input.houseName()).append("\r\n");
    if (id == BodyId::Lilith) text.append("--\r\n");
    text.append(BodyLabel(id)).append("\t").append(FormatPosition(s.longitude));
    if (HasMotionColumn(id) && s.longitudeNext != kNoLongitude) {
      text.append("\t").append(FormatMotion(s.longitude, s.longitudeNext));
    }
    text.append("\r\n");
  }
  return text;
}

}  // namespace caelix

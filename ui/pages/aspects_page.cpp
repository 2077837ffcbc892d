#include "ui/pages/aspects_page.h"

#include <cstdio>

#include "ui/pages/aspect_table.h"

namespace caelix {

std::string BuildAspectsText(const ChartResult& result) {
  std::string text = "Aspects:\r\n\r\n";
  for (int i = static_cast<int>(BodyId::Sun); i <= static_cast<int>(BodyId::Midpoint); ++i) {
    const auto row = static_cast<BodyId>(i);
    const double x = result[row].longitude;
    if (x == kNoLongitude) continue;
    text += std::string(BodyLabel(row)) + ":\t";
    int n = 0;
    for (int j = static_cast<int>(BodyId::Sun); j <= static_cast<int>(BodyId::MeanNode); ++j) {
      const auto partner = static_cast<BodyId>(j);
      const double y = result[partner].longitude;
      if (j == i || y == kNoLongitude) continue;
      const double a = FindAspect(x, y);
      if (a == kNoAspect) continue;
      if (++n > 3) {
        text += "\r\n\t";
        n = 1;
      }
      char angle[32];
      std::snprintf(angle, sizeof angle, "%1.0f", a);
      text += std::string(angle) + std::string(BodyLabel(partner)) + " ";
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace caelix

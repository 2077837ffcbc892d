#include "ui/pages/aspects_page.h"

#include <cstdio>

#include "ui/pages/aspect_table.h"

namespace caelix {

namespace {

// The aspects page has a row for each body and point, and a column for each body.
bool IsRow(const SlotInfo& slot) { return slot.section == PageSection::Bodies || slot.section == PageSection::Points; }
bool IsPartner(const SlotInfo& slot) { return slot.section == PageSection::Bodies; }

}  // namespace

std::string BuildAspectsText(const ChartResult& result) {
  std::string text = "Aspects:\r\n\r\n";
  for (const SlotInfo& row : kCatalogue) {
    if (!IsRow(row)) continue;
    const double x = result[row.id].longitude;
    if (x == kNoLongitude) continue;
    text += std::string(row.label) + ":\t";
    int n = 0;
    for (const SlotInfo& partner : kCatalogue) {
      if (!IsPartner(partner)) continue;
      const double y = result[partner.id].longitude;
      if (partner.id == row.id || y == kNoLongitude) continue;
      const double a = FindAspect(x, y);
      if (a == kNoAspect) continue;
      if (++n > 3) {
        text += "\r\n\t";
        n = 1;
      }
      char angle[32];
      std::snprintf(angle, sizeof angle, "%1.0f", a);
      text += std::string(angle) + std::string(partner.label) + " ";
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace caelix

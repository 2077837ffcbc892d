#include "ui/pages/elements_page.h"

#include <array>

namespace caelix {

std::array<std::vector<BodyId>, 4> ElementGroups(const ChartResult& result) {
  std::array<std::vector<BodyId>, 4> groups;
  for (const SlotInfo& slot : kCatalogue) {
    if (!slot.planet) continue;
    const double lambda = result[slot.id].longitude;
    for (int k = 1; k <= 12; ++k) {
      if (30.0 * (k - 1) <= lambda && lambda < 30.0 * k) {
        groups[static_cast<std::size_t>((k - 1) % 4)].push_back(slot.id);
        break;
      }
    }
  }
  return groups;
}

std::string BuildElementsText(const ChartResult& result) {
  constexpr std::array<const char*, 4> kNames = {"Fire:\t", "Earth:\t", "Air:\t", "Water:\t"};
  const std::array<std::vector<BodyId>, 4> groups = ElementGroups(result);
  std::string text = "Element:\r\n\r\n";
  for (std::size_t e = 0; e < kNames.size(); ++e) {
    text += kNames[e] + std::to_string(groups[e].size()) + "  ";
    for (const BodyId id : groups[e]) text += std::string(BodyLabel(id)) + " ";
    text += "\r\n";
  }
  return text;
}

}  // namespace caelix

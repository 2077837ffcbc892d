#include "ui/pages/elements_page.h"

#include <array>

namespace caelix {

std::string BuildElementsText(const ChartResult& result) {
  constexpr std::array<const char*, 4> kNames = {"Fire:\t", "Earth:\t", "Air:\t", "Water:\t"};
  std::array<int, 4> count{};
  std::array<std::string, 4> list;
  for (const SlotInfo& slot : kCatalogue) {
    if (!slot.planet) continue;
    const double lambda = result[slot.id].longitude;
    for (int k = 1; k <= 12; ++k) {
      if (30.0 * (k - 1) <= lambda && lambda < 30.0 * k) {
        const int element = (k - 1) % 4;
        ++count[element];
        list[element] += std::string(slot.label) + " ";
        break;
      }
    }
  }
  std::string text = "Element:\r\n\r\n";
  for (std::size_t e = 0; e < kNames.size(); ++e) {
    text += kNames[e] + std::to_string(count[e]) + "  " + list[e] + "\r\n";
  }
  return text;
}

}  // namespace caelix

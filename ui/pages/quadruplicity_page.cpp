#include "ui/pages/quadruplicity_page.h"

#include <algorithm>

#include "chart/chart_houses.h"

namespace caelix {

std::array<double, 13> QuadruplicityCusps(const ChartResult& r) {
  const std::array<double, 12> twelve = TwelveCusps(r);
  std::array<double, 13> c{};
  std::copy(twelve.begin(), twelve.end(), c.begin());
  c[12] = twelve[0];
  return c;
}

int HouseOf(double lambda, const std::array<double, 13>& c) {
  if (!(lambda >= 0.0 && lambda < 360.0)) return 0;
  for (int h = 1; h <= 12; ++h) {
    const double s = c[h - 1];
    const double e = c[h];
    const bool inside = (s <= lambda && lambda < e) || (e < s && s - 360.0 <= lambda && lambda < e) ||
                        (e < s && s <= lambda && lambda < e + 360.0);
    if (inside) return h;
  }
  return 0;
}

std::array<std::vector<BodyId>, 3> QuadruplicityGroups(const ChartResult& result) {
  const std::array<double, 13> cusps = QuadruplicityCusps(result);
  std::array<std::vector<BodyId>, 3> groups;
  for (const SlotInfo& slot : kCatalogue) {
    if (!slot.planet) continue;
    const int h = HouseOf(result[slot.id].longitude, cusps);
    if (h != 0) groups[static_cast<std::size_t>((h - 1) % 3)].push_back(slot.id);
  }
  return groups;
}

std::string BuildQuadruplicityText(const ChartResult& result) {
  constexpr std::array<const char*, 3> kNames = {"Cardinal:\t", "Fixed:\t", "Mutable:\t"};
  const std::array<std::vector<BodyId>, 3> groups = QuadruplicityGroups(result);
  std::string text = "Quadruplicity:\r\n\r\n";
  for (std::size_t g = 0; g < kNames.size(); ++g) {
    text += kNames[g] + std::to_string(groups[g].size()) + "  ";
    for (const BodyId id : groups[g]) text += std::string(BodyLabel(id)) + " ";
    text += "\r\n";
  }
  return text;
}

}  // namespace caelix

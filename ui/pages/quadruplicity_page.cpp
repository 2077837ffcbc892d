#include "ui/pages/quadruplicity_page.h"

namespace caelix {

std::array<double, 13> QuadruplicityCusps(const ChartResult& r) {
  const double asc = r[BodyId::Ascendant].longitude;
  const double mc = r[BodyId::Midheaven].longitude;
  const double c2 = r[BodyId::Cusp2].longitude;
  const double c3 = r[BodyId::Cusp3].longitude;
  const double c11 = r[BodyId::Cusp11].longitude;
  const double c12 = r[BodyId::Cusp12].longitude;
  std::array<double, 13> c = {asc,        c2,         c3, mc + 180.0, c11 + 180.0, c12 + 180.0, asc + 180.0,
                              c2 + 180.0, c3 + 180.0, mc, c11,        c12,         asc};
  for (double& v : c) {
    if (v >= 360.0) v -= 360.0;
  }
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

std::string BuildQuadruplicityText(const ChartResult& result) {
  constexpr std::array<const char*, 3> kNames = {"Cardinal:\t", "Fixed:\t", "Mutable:\t"};
  const std::array<double, 13> cusps = QuadruplicityCusps(result);
  std::array<int, 3> count{};
  std::array<std::string, 3> list;
  for (const SlotInfo& slot : kCatalogue) {
    if (!slot.planet) continue;
    const BodyId id = slot.id;
    const int h = HouseOf(result[id].longitude, cusps);
    if (h == 0) continue;
    const int group = (h - 1) % 3;
    ++count[group];
    list[group] += std::string(slot.label) + " ";
  }
  std::string text = "Quadruplicity:\r\n\r\n";
  for (std::size_t g = 0; g < kNames.size(); ++g) {
    text += kNames[g] + std::to_string(count[g]) + "  " + list[g] + "\r\n";
  }
  return text;
}

}  // namespace caelix

#include "chart/chart_houses.h"

#include "astro/angles.h"

namespace caelix {

std::array<double, 12> TwelveCusps(const ChartResult& r) {
  const double asc = r[BodyId::Ascendant].longitude;
  const double mc = r[BodyId::Midheaven].longitude;
  const double c2 = r[BodyId::Cusp2].longitude;
  const double c3 = r[BodyId::Cusp3].longitude;
  const double c11 = r[BodyId::Cusp11].longitude;
  const double c12 = r[BodyId::Cusp12].longitude;
  std::array<double, 12> c = {asc,         c2,         c3,         mc + 180.0, c11 + 180.0, c12 + 180.0,
                              asc + 180.0, c2 + 180.0, c3 + 180.0, mc,         c11,         c12};
  for (double& v : c) {
    if (v >= 360.0) v -= 360.0;
  }
  return c;
}

int HouseOfLongitude(double longitudeDeg, const std::array<double, 12>& cusps) {
  int house = 1;
  double nearest = 360.0;
  for (int h = 1; h <= 12; ++h) {
    const double d = longitudeDeg - cusps[static_cast<std::size_t>(h - 1)];
    // Within one turn either way Normalize360 adds at most one turn: the same value by a shorter way.
    const double behind = d >= -360.0 && d < 360.0 ? ReduceOnce(d) : Normalize360(d);
    if (behind < nearest) {
      nearest = behind;
      house = h;
    }
  }
  return house;
}

}  // namespace caelix

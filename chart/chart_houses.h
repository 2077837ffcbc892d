#pragma once
// The twelve houses of a chart: its cusps from the record's angles and four computed cusps, and
// the house a longitude stands in.
#include <array>

#include "chart/chart_result.h"

namespace caelix {

// Returns the longitudes (degrees, [0, 360)) of cusps 1 to 12 of a chart: the Ascendant, Cusp2,
// Cusp3, the Midheaven + 180, Cusp11 + 180, Cusp12 + 180, the Ascendant + 180, Cusp2 + 180,
// Cusp3 + 180, the Midheaven, Cusp11, Cusp12; an opposite is the value + 180 reduced once by
// 360, as the quadruplicity page takes it.
std::array<double, 12> TwelveCusps(const ChartResult& result);

// Returns the house, 1 to 12, that longitudeDeg (degrees, [0, 360)) stands in: the house whose
// cusp comes last at or before it along the zodiac. A longitude on a cusp opens that cusp's
// house. With the cusps in zodiac order this is the house whose arc [cusp, next cusp) holds it.
int HouseOfLongitude(double longitudeDeg, const std::array<double, 12>& cusps);

}  // namespace caelix

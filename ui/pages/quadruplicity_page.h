#pragma once
// The quadruplicity page: the ten bodies Sun to Pluto counted by the kind of house they stand in.
#include <array>
#include <string>
#include <vector>

#include "chart/chart_result.h"

namespace caelix {

// Returns the thirteen cusp longitudes in degrees that bound houses 1 to 12 (house h runs from
// element h - 1 to element h): Ascendant, Cusp2, Cusp3, then Midheaven, Cusp11, Cusp12,
// Ascendant, Cusp2 and Cusp3 plus 180, then Midheaven, Cusp11, Cusp12 and the Ascendant again;
// a value of 360 or more is reduced by 360 once.
std::array<double, 13> QuadruplicityCusps(const ChartResult& result);

// Returns the number 1 to 12 of the house that holds longitude lambda (degrees, [0, 360)) with
// the given cusps: the first house h whose span [c[h - 1], c[h]) holds lambda, a span whose end
// is below its start reaching across 0 degrees. A body on a cusp is in the house the cusp opens.
// Returns 0 for a lambda outside [0, 360). Taking the first house counts a body once even when
// cusps out of circular order make spans overlap.
int HouseOf(double lambda, const std::array<double, 13>& cusps);

// Returns the bodies Sun to Pluto, in BodyId order, by the group of the house HouseOf finds for
// them: [0] "Cardinal" (houses 1, 4, 7, 10), [1] "Fixed" (2, 5, 8, 11), [2] "Mutable" (3, 6, 9,
// 12); a body in no house is in no group.
std::array<std::vector<BodyId>, 3> QuadruplicityGroups(const ChartResult& result);

// Returns the quadruplicity page (lines ending "\r\n"): "Quadruplicity:", an empty line, then
// "Cardinal:" (houses 1, 4, 7, 10), "Fixed:" (2, 5, 8, 11) and "Mutable:" (3, 6, 9, 12), each
// with a tab, the count, two spaces and the labels of its bodies in BodyId order, each label
// followed by a space.
std::string BuildQuadruplicityText(const ChartResult& result);

}  // namespace caelix

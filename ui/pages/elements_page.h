#pragma once
// The elements page: the ten bodies Sun to Pluto counted by the element of their sign.
#include <array>
#include <string>
#include <vector>

#include "chart/chart_result.h"

namespace caelix {

// Returns the bodies Sun to Pluto, in BodyId order, by the element of their sign as the page
// counts them: [0] fire, [1] earth, [2] air, [3] water.
std::array<std::vector<BodyId>, 4> ElementGroups(const ChartResult& result);

// Returns the elements page (lines ending "\r\n"): "Element:", an empty line, then "Fire:",
// "Earth:", "Air:" and "Water:", each with a tab, the count, two spaces and the labels of its
// bodies in BodyId order, each label followed by a space. Fire holds Aries, Leo, Sagittarius;
// earth Taurus, Virgo, Capricorn; air Gemini, Libra, Aquarius; water Cancer, Scorpio, Pisces.
// A sign starts at its boundary (30 degrees is Taurus); a longitude outside [0, 360) is counted
// nowhere.
std::string BuildElementsText(const ChartResult& result);

}  // namespace caelix

#pragma once
// The aspects page: the aspects of the Sun to the Sun-Moon midpoint with the Sun to the node.
#include <string>

#include "chart/chart_result.h"

namespace caelix {

// Returns the aspects page (lines ending "\r\n"): "Aspects:", an empty line, then one row for
// each of the Sun to the midpoint (BodyId 1 to 16): the label, ":" and a tab, then for each
// partner Sun to the node (1 to 11, not the row's own body) with which FindAspect finds an
// aspect, the angle as a whole number, the partner's label and a space ("120Mo "). A row holds at
// most three entries a line; the rest continue on lines that start with a tab. A slot without a
// value (longitude -1.0) gives neither a row nor a partner.
std::string BuildAspectsText(const ChartResult& result);

}  // namespace caelix

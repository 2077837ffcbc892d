#pragma once
// The oracle of the chart: the computation's own sources built a second time with the C library's
// trigonometry and the plain iterations of the apparent place (CAELIX_REFERENCE_ENGINE), that is
// the straightforward evaluation the chart's faster formulae must agree with.
#include "chart/chart_input.h"
#include "chart/chart_result.h"

namespace caelix {

// Returns the chart of input by the reference build.
ChartResult ReferenceChart(const ChartInput& input);

}  // namespace caelix

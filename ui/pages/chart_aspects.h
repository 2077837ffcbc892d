#pragma once
// The aspects of a chart as data: the pairs the aspects page lists, each once, with the table
// entry that holds them, how far they are from exact and whether they are closing.
#include <optional>
#include <vector>

#include "chart/chart_result.h"
#include "ui/pages/aspect_table.h"

namespace caelix {

struct ChartAspect {
  BodyId first;   // the row of the aspects page
  BodyId second;  // the partner on that row, Sun to MeanNode
  const AspectEntry* aspect;
  double separationDeg;          // the angle between the two longitudes, 0 to 180
  double orbDeg;                 // |separation - the aspect's angle|, 0 to the entry's orb
  std::optional<bool> applying;  // orb shrinking; nothing when a body has no next-day value
};

// Returns the aspects of the aspects page (rows Sun to Midpoint against partners Sun to MeanNode,
// found by FindAspectEntry(row, partner)), each pair once: a pair of two bodies Sun to MeanNode
// under the row of the earlier one, a point (Ascendant to Midpoint) under its own row; in the
// page's order. Slots without a value are left out. Applying compares the rates of the two
// longitudes (longitudeNext - longitude, the short way round): the orb is shrinking when the
// separation moves toward the aspect's angle; a slot computed at the chart instant only
// (hasNext false) gives nothing.
std::vector<ChartAspect> ChartAspects(const ChartResult& result, bool (*hasNext)(BodyId));

// The same into aspects (emptied first), whose storage a caller can reuse from chart to chart.
void ChartAspects(const ChartResult& result, bool (*hasNext)(BodyId), std::vector<ChartAspect>& aspects);

}  // namespace caelix

#pragma once
// Spreading labels around a circle so that neighbours keep a gap, without changing their order.
#include <vector>

namespace caelix {

// One thing to place on a circle: where it belongs (degrees, any turn) and the half of the arc
// it needs on either side of its centre (degrees, >= 0).
struct SpreadItem {
  double angleDeg;
  double halfWidthDeg;
};

// Returns a display angle for each item, in the items' order, in [0, 360): the items keep their
// cyclic order (by angle, ties by position in the list), each pair of neighbours lies at least
// the sum of their half widths plus gapDeg apart, and an item moves as little as the ones it
// crowds allow. Crowded runs are moved as blocks centred on their members' mean displacement
// (pool-adjacent-violators on the circle), merged until no neighbours crowd each other. When
// the widths need more than a turn, every gap is shrunk by the same factor.
std::vector<double> SpreadAroundCircle(const std::vector<SpreadItem>& items, double gapDeg);

}  // namespace caelix

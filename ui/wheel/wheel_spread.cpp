#include "ui/wheel/wheel_spread.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace caelix {
namespace {

double Turn(double deg) {
  const double a = std::fmod(deg, 360.0) + (deg < 0.0 ? 360.0 : 0.0);
  return a >= 360.0 ? 0.0 : a;  // a tiny negative angle lands on 360 in floating point
}

// Returns deg taken into (-180, 180].
double Signed(double deg) {
  const double a = Turn(deg);
  return a > 180.0 ? a - 360.0 : a;
}

// A run of neighbours placed together: members first .. first + count - 1 (cyclic, in sorted
// order), the first at start (degrees, not reduced), each next one its separation further on.
struct Block {
  std::size_t first;
  std::size_t count;
  double start;
};

}  // namespace

std::vector<double> SpreadAroundCircle(const std::vector<SpreadItem>& items, double gapDeg) {
  const std::size_t n = items.size();
  std::vector<double> shown(n);
  if (n == 0) return shown;
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return Turn(items[a].angleDeg) < Turn(items[b].angleDeg); });

  // Sorted angles, the true arc from each to the next, and the arc each pair needs.
  std::vector<double> at(n), arc(n), need(n);
  for (std::size_t k = 0; k < n; ++k) at[k] = Turn(items[order[k]].angleDeg);
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t next = (k + 1) % n;
    arc[k] = next == 0 ? at[0] + 360.0 - at[k] : at[next] - at[k];
    need[k] = items[order[k]].halfWidthDeg + items[order[next]].halfWidthDeg + gapDeg;
  }
  const double total = std::accumulate(need.begin(), need.end(), 0.0);
  if (total > 360.0) {
    for (double& s : need) s *= 360.0 / total;
  }

  // The start that puts a block's members, on average, where they belong.
  const auto centred = [&](std::size_t first, std::size_t count) {
    double offset = 0.0;
    double trueArc = 0.0;
    double sum = 0.0;
    for (std::size_t j = 0; j < count; ++j) {
      sum += trueArc - offset;
      const std::size_t k = (first + j) % n;
      offset += need[k];
      trueArc += arc[k];
    }
    return at[first] + sum / static_cast<double>(count);
  };
  const auto lastOf = [&](const Block& b) {
    double pos = b.start;
    for (std::size_t j = 0; j + 1 < b.count; ++j) pos += need[(b.first + j) % n];
    return pos;
  };

  std::vector<Block> blocks;
  for (std::size_t k = 0; k < n; ++k) blocks.push_back({k, 1, at[k]});
  for (bool merged = true; merged && blocks.size() > 1;) {
    merged = false;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
      const std::size_t c = (b + 1) % blocks.size();
      Block& left = blocks[b];
      const Block& right = blocks[c];
      // The arc between the two as drawn: the true arc plus how far each end was moved (each
      // less than half a turn), so a block pushed past its neighbour reads as crowding it.
      const std::size_t leftLast = (left.first + left.count - 1) % n;
      const double trueArc = Turn(at[right.first] - at[leftLast]);
      const double shownArc = trueArc + Signed(right.start - at[right.first]) - Signed(lastOf(left) - at[leftLast]);
      if (shownArc >= need[leftLast] - 1e-9) continue;
      left.count += right.count;
      left.start = centred(left.first, left.count);
      blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(c));
      merged = true;
      break;
    }
  }

  for (const Block& b : blocks) {
    double pos = b.start;
    for (std::size_t j = 0; j < b.count; ++j) {
      const std::size_t k = (b.first + j) % n;
      shown[order[k]] = Turn(pos);
      pos += need[k];
    }
  }
  return shown;
}

}  // namespace caelix

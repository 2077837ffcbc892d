#include "ui/pages/aspect_table.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace caelix {

namespace {

// The test of one entry: x within the orb of y + A, of y - A, of y - A + 360 or of y + A - 360,
// both bounds included, each bound computed as the table's order of operations gives it.
bool InOrb(const AspectEntry& e, double x, double y) {
  const double a = e.angleDeg;
  const double o = e.orbDeg;
  const double z = y - a;
  return ((a + y) - o <= x && x <= (o + a) + y) || (z - o <= x && x <= z + o) ||
         ((z - o) + 360.0 <= x && x <= (z + o) + 360.0) || (((a + y) - o) - 360.0 <= x && x <= ((o + a) + y) - 360.0);
}

// For each whole degree d of the separation taken the short way round (0 to 180), a bit for each
// entry, in table order, whose window [angle - orb, angle + orb] widened by kMarginDeg meets
// [d, d + 1]. An entry whose test holds has the separation within its window but for the
// roundings of the bounds and of the separation (each below 1e-12 degree for longitudes in
// [0, 360)), so it is always among the candidates of the separation's degree.
constexpr double kMarginDeg = 1e-6;
static_assert(kAspectTable.size() <= 32, "a bit per entry");

constexpr std::array<std::uint32_t, 181> kCandidates = [] {
  std::array<std::uint32_t, 181> bits{};
  for (std::size_t d = 0; d < bits.size(); ++d) {
    for (std::size_t i = 0; i < kAspectTable.size(); ++i) {
      const AspectEntry& e = kAspectTable[i];
      const double low = e.angleDeg - e.orbDeg - kMarginDeg;
      const double high = e.angleDeg + e.orbDeg + kMarginDeg;
      if (low <= static_cast<double>(d + 1) && static_cast<double>(d) <= high) bits[d] |= std::uint32_t{1} << i;
    }
  }
  return bits;
}();

}  // namespace

const AspectEntry* FindAspectEntry(double x, double y) {
  if (x >= 0.0 && x < 360.0 && y >= 0.0 && y < 360.0) {
    double separation = std::fabs(x - y);
    if (separation > 180.0) separation = 360.0 - separation;
    for (std::uint32_t bits = kCandidates[static_cast<std::size_t>(separation)]; bits != 0; bits &= bits - 1) {
      const AspectEntry& e = kAspectTable[static_cast<std::size_t>(std::countr_zero(bits))];
      if (InOrb(e, x, y)) return &e;
    }
    return nullptr;
  }
  for (const AspectEntry& e : kAspectTable) {
    if (InOrb(e, x, y)) return &e;
  }
  return nullptr;
}

double FindAspect(double x, double y) {
  const AspectEntry* e = FindAspectEntry(x, y);
  return e != nullptr ? e->angleDeg : kNoAspect;
}

}  // namespace caelix

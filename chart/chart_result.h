#pragma once
// The chart record: 34 slots of apparent positions, indexed by BodyId.
#include <array>
#include <cstddef>

#include "chart/catalogue.h"

namespace caelix {

// The longitude that marks a slot without a value, and the declination of a table body.
constexpr double kNoLongitude = -1.0;
constexpr double kNoDeclination = -91.0;

struct BodySlot {
  double longitude = 0.0;        // apparent ecliptic longitude of date, degrees [0, 360), or -1.0
  double declination = 0.0;      // apparent declination, degrees; -91.0 for a table body
  double longitudeNext = 0.0;    // the same one day (1.0 Julian day) later
  double declinationNext = 0.0;  // the same one day later
};

struct ChartResult {
  std::array<BodySlot, kBodyCount> slots{};

  BodySlot& operator[](BodyId id) { return slots[static_cast<std::size_t>(id)]; }
  const BodySlot& operator[](BodyId id) const { return slots[static_cast<std::size_t>(id)]; }
};

}  // namespace caelix

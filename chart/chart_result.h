#pragma once
// The chart record: 34 slots of apparent positions, indexed by BodyId.
#include <array>
#include <cstddef>
#include <string_view>

namespace caelix {

enum class BodyId : int {
  NoBody = 0,
  Sun,
  Moon,
  Mercury,
  Venus,
  Mars,
  Jupiter,
  Saturn,
  Uranus,
  Neptune,
  Pluto,
  MeanNode,
  Ascendant,
  Midheaven,
  Vertex,
  PartOfFortune,
  Midpoint,
  Cusp2,
  Cusp3,
  Cusp11,
  Cusp12,
  PartOfDaimon,
  Lilith,
  LilithTrue,
  Selena,
  Waldemath,
  Chiron,
  Eros,
  Eris,
  Sedna,
  Orcus,
  Quaoar,
  Varuna,
  Ixion,
};

constexpr std::size_t kBodyCount = 34;

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

// Returns the label under which the pages and the wheel show a body ("So", "D02", "Lilith").
std::string_view BodyLabel(BodyId id);

// Returns the enumerator name of a body ("Sun", "PartOfFortune"), as machine-readable output uses it.
std::string_view BodyKey(BodyId id);

// True for the slots computed at the chart instant only (Ascendant to PartOfDaimon).
constexpr bool IsSingleInstant(BodyId id) { return id >= BodyId::Ascendant && id <= BodyId::PartOfDaimon; }

// True for the bodies read from the built-in tables (Lilith to Ixion).
constexpr bool IsTableBody(BodyId id) { return id >= BodyId::Lilith; }

}  // namespace caelix

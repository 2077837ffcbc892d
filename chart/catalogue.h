#pragma once
// The catalogue of the chart's 34 slots: for each one, everything the program knows about it,
// written once. The driver, the pages, the wheel and the machine-readable output read it; no
// other place lists slots.
#include <array>
#include <cstddef>
#include <string_view>

#include "astro/ephemeris_table.h"

namespace caelix {

// The slot index of the chart record.
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

// What fills a slot.
enum class SlotKind {
  Empty,      // slot 0: set to zero, never read
  Theory,     // a body theory at jde and jde + 1, through the apparent place
  Point,      // an angle, a Sun-Moon point or a house cusp at the chart instant, through the apparent place
  TableBody,  // a built-in table at jde and jde + 1, as tabulated, without declination
};

// Where the positions page lists a slot. The first slot of the Houses section carries a line
// with the house system's name before its own, the first of the TableBodies section a line "--";
// each goes with that slot's line.
enum class PageSection {
  Hidden,       // not listed (slot 0, the Part of Daimon)
  Bodies,       // Sun to node, with the daily motion; rows and partners of the aspects page
  Points,       // the angles and Sun-Moon points; rows of the aspects page
  Houses,       // the four intermediate cusps
  TableBodies,  // the tabulated bodies, with the daily motion
};

// An icon resource as the wheel draws it: its id and its drawn size in pixels.
struct WheelIcon {
  int id;
  int width;
  int height;
};

// Where the classic wheel draws a slot.
enum class WheelRing {
  None,          // not drawn (the centre's entry, or an entry never placed)
  Bodies,        // a body symbol at 0.34, spread apart from its neighbours, with a position tick
  HouseMarkers,  // a house marker at 0.2, where it falls
};

struct WheelPlacement {
  int entry;  // index among the wheel's entries (0 the centre), -1 when it has none
  WheelRing ring;
  bool houseAxis;          // a line through the wheel at its longitude and the opposite one
  std::string_view label;  // what a tap on it names
  WheelIcon icon;          // id 0: none
};

struct SlotInfo {
  BodyId id;
  std::string_view key;    // the enumerator's name, as machine-readable output names the slot
  std::string_view label;  // as the pages show it
  SlotKind kind;
  bool hasNext;            // holds a value one day later (longitudeNext, declinationNext)
  bool planet;             // one of the ten Sun to Pluto: counted by the elements and
                           // quadruplicity pages, joined by aspect chords on the wheel
  std::string_view glyph;  // the Unicode astrological symbol (UTF-8); empty where none is in common use
  WheelPlacement wheel;
  PageSection section;
  const TableSeries* table;  // the built-in series of a TableBody slot, else none
  bool latitude = false;     // its theory gives an ecliptic latitude (the Moon, Mercury to Pluto)
};

namespace catalogue_rows {

constexpr WheelPlacement Symbol(int entry, std::string_view label, WheelIcon icon) {
  return {entry, WheelRing::Bodies, false, label, icon};
}
constexpr WheelPlacement Axis(int entry, std::string_view label, WheelIcon icon) {
  return {entry, WheelRing::HouseMarkers, true, label, icon};
}
constexpr WheelPlacement Marker(int entry, std::string_view label, WheelIcon icon) {
  return {entry, WheelRing::HouseMarkers, false, label, icon};
}
constexpr WheelPlacement Unplaced(int entry, std::string_view label) {
  return {entry, WheelRing::None, false, label, {0, 0, 0}};
}
inline constexpr WheelPlacement kNotOnWheel{-1, WheelRing::None, false, "", {0, 0, 0}};

// Whether a body's theory gives a latitude: the Sun's and the node's give a longitude only.
inline constexpr bool kWithLatitude = true;
inline constexpr bool kLongitudeOnly = false;

constexpr SlotInfo Body(BodyId id, std::string_view key, std::string_view label, bool planet, bool latitude,
                        std::string_view glyph, WheelPlacement wheel) {
  return {id, key, label, SlotKind::Theory, true, planet, glyph, wheel, PageSection::Bodies, nullptr, latitude};
}
constexpr SlotInfo Point(BodyId id, std::string_view key, std::string_view label, std::string_view glyph,
                         WheelPlacement wheel, PageSection section) {
  return {id, key, label, SlotKind::Point, false, false, glyph, wheel, section, nullptr};
}
constexpr SlotInfo Table(BodyId id, std::string_view key, std::string_view label, std::string_view glyph,
                         WheelPlacement wheel, const TableSeries* table) {
  return {id, key, label, SlotKind::TableBody, true, false, glyph, wheel, PageSection::TableBodies, table};
}

}  // namespace catalogue_rows

// The 34 slots in BodyId order.
inline constexpr std::array<SlotInfo, kBodyCount> kCatalogue = [] {
  using namespace catalogue_rows;
  using B = BodyId;
  return std::array<SlotInfo, kBodyCount>{{
      {B::NoBody, "NoBody", "", SlotKind::Empty, false, false, "", Unplaced(0, ""), PageSection::Hidden, nullptr},
      Body(B::Sun, "Sun", "So", true, kLongitudeOnly, "\u2609", Symbol(1, "So", {152, 15, 16})),
      Body(B::Moon, "Moon", "Mo", true, kWithLatitude, "\u263D", Symbol(2, "Mo", {151, 15, 16})),
      Body(B::Mercury, "Mercury", "Me", true, kWithLatitude, "\u263F", Symbol(3, "Me", {150, 8, 16})),
      Body(B::Venus, "Venus", "Ve", true, kWithLatitude, "\u2640", Symbol(4, "Ve", {149, 11, 16})),
      Body(B::Mars, "Mars", "Ma", true, kWithLatitude, "\u2642", Symbol(5, "Ma", {148, 16, 15})),
      Body(B::Jupiter, "Jupiter", "Ju", true, kWithLatitude, "\u2643", Symbol(6, "Ju", {147, 11, 16})),
      Body(B::Saturn, "Saturn", "Sa", true, kWithLatitude, "\u2644", Symbol(7, "Sa", {146, 11, 16})),
      Body(B::Uranus, "Uranus", "Ur", true, kWithLatitude, "\u2645", Symbol(8, "Ur", {141, 10, 16})),
      Body(B::Neptune, "Neptune", "Ne", true, kWithLatitude, "\u2646", Symbol(9, "Ne", {143, 14, 16})),
      Body(B::Pluto, "Pluto", "Pl", true, kWithLatitude, "\u2647", Symbol(10, "Pl", {144, 11, 16})),
      Body(B::MeanNode, "MeanNode", "Nn", false, kLongitudeOnly, "\u260A", Symbol(11, "Nn", {153, 15, 16})),
      Point(B::Ascendant, "Ascendant", "As", "", Axis(12, "As", {177, 16, 16}), PageSection::Points),
      Point(B::Midheaven, "Midheaven", "Mc", "", Axis(13, "Mc", {189, 16, 16}), PageSection::Points),
      Point(B::Vertex, "Vertex", "Vx", "", Marker(14, "Vx", {191, 16, 16}), PageSection::Points),
      Point(B::PartOfFortune, "PartOfFortune", "Pf", "\u2297", Symbol(15, "Pf", {155, 16, 16}), PageSection::Points),
      Point(B::Midpoint, "Midpoint", "Mp", "", kNotOnWheel, PageSection::Points),
      Point(B::Cusp2, "Cusp2", "D02", "", Axis(17, "D02", {178, 16, 16}), PageSection::Houses),
      Point(B::Cusp3, "Cusp3", "D03", "", Axis(18, "D03", {180, 16, 16}), PageSection::Houses),
      Point(B::Cusp11, "Cusp11", "D11", "", Axis(19, "D11", {175, 16, 16}), PageSection::Houses),
      Point(B::Cusp12, "Cusp12", "D12", "", Axis(20, "D12", {190, 16, 16}), PageSection::Houses),
      Point(B::PartOfDaimon, "PartOfDaimon", "Pd", "", Unplaced(21, "Pd"), PageSection::Hidden),
      // The wheel shows Lilith in the Sun/Moon midpoint's entry.
      Table(B::Lilith, "Lilith", "Lilith", "\u26B8", Symbol(16, "Ll", {210, 10, 16}), &kLilithSeries),
      Table(B::LilithTrue, "LilithTrue", "Lilith true", "", kNotOnWheel, &kLilithTrueSeries),
      Table(B::Selena, "Selena", "Selena", "", kNotOnWheel, &kSelenaSeries),
      Table(B::Waldemath, "Waldemath", "Waldemath", "", kNotOnWheel, &kWaldemathSeries),
      Table(B::Chiron, "Chiron", "Chiron", "\u26B7", kNotOnWheel, &kChironSeries),
      Table(B::Eros, "Eros", "Eros", "", kNotOnWheel, &kErosSeries),
      Table(B::Eris, "Eris", "Eris", "\u2BF0", kNotOnWheel, &kErisSeries),
      Table(B::Sedna, "Sedna", "Sedna", "\u2BF2", kNotOnWheel, &kSednaSeries),
      Table(B::Orcus, "Orcus", "Orcus", "", kNotOnWheel, &kOrcusSeries),
      Table(B::Quaoar, "Quaoar", "Quaoar", "", kNotOnWheel, &kQuaoarSeries),
      Table(B::Varuna, "Varuna", "Varuna", "", kNotOnWheel, &kVarunaSeries),
      Table(B::Ixion, "Ixion", "Ixion", "", kNotOnWheel, &kIxionSeries),
  }};
}();

static_assert(
    [] {
      for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (kCatalogue[i].id != static_cast<BodyId>(i)) return false;
      }
      return true;
    }(),
    "the catalogue's rows are in BodyId order");

// Returns the catalogue row of a slot.
constexpr const SlotInfo& SlotOf(BodyId id) { return kCatalogue[static_cast<std::size_t>(id)]; }

// Returns the label under which the pages show a body ("So", "D02", "Lilith").
constexpr std::string_view BodyLabel(BodyId id) { return SlotOf(id).label; }

// Returns the enumerator name of a body ("Sun", "PartOfFortune"), as machine-readable output uses it.
constexpr std::string_view BodyKey(BodyId id) { return SlotOf(id).key; }

// True for the slots computed at the chart instant only (Ascendant to PartOfDaimon).
constexpr bool IsSingleInstant(BodyId id) { return SlotOf(id).kind == SlotKind::Point; }

// True for the bodies read from the built-in tables (Lilith to Ixion).
constexpr bool IsTableBody(BodyId id) { return SlotOf(id).kind == SlotKind::TableBody; }

// The number of the classic wheel's entries: the centre and 21 slots.
inline constexpr std::size_t kWheelEntryCount = [] {
  std::size_t n = 0;
  for (const SlotInfo& s : kCatalogue) {
    if (s.wheel.entry >= 0 && static_cast<std::size_t>(s.wheel.entry) >= n)
      n = static_cast<std::size_t>(s.wheel.entry) + 1;
  }
  return n;
}();

// Returns the slot shown in each wheel entry, by entry.
inline constexpr std::array<BodyId, kWheelEntryCount> kWheelEntrySlots = [] {
  std::array<BodyId, kWheelEntryCount> slots{};
  for (const SlotInfo& s : kCatalogue) {
    if (s.wheel.entry >= 0) slots[static_cast<std::size_t>(s.wheel.entry)] = s.id;
  }
  return slots;
}();

}  // namespace caelix

#include "chart/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "chart/compute_chart.h"
#include "support/sample_chart.h"

namespace caelix {
namespace {

// What the driver stores must be what the catalogue says of each slot: a value at the chart
// instant for every slot but 0, a next-day value exactly where the catalogue promises one, and
// no declination for the table bodies. A chart inside every table's range, so that each table
// body has its values.
TEST(Catalogue, AgreesWithWhatTheDriverStores) {
  const Chart chart = ComputeChart(testing::SampleInput());
  for (const SlotInfo& slot : kCatalogue) {
    const BodySlot& s = chart[slot.id];
    const std::string key(slot.key);
    switch (slot.kind) {
      case SlotKind::Empty:
        EXPECT_EQ(0.0, s.longitude) << key;
        break;
      case SlotKind::Theory:
      case SlotKind::Point:
        EXPECT_TRUE(s.longitude >= 0.0 && s.longitude < 360.0) << key << " " << s.longitude;
        EXPECT_TRUE(s.declination > -90.0 && s.declination < 90.0) << key << " " << s.declination;
        break;
      case SlotKind::TableBody:
        EXPECT_TRUE(s.longitude >= 0.0 && s.longitude < 360.0) << key << " " << s.longitude;
        EXPECT_EQ(kNoDeclination, s.declination) << key;
        EXPECT_EQ(kNoDeclination, s.declinationNext) << key;
        break;
    }
    if (slot.hasNext) {
      EXPECT_TRUE(s.longitudeNext >= 0.0 && s.longitudeNext < 360.0) << key << " " << s.longitudeNext;
      EXPECT_NE(s.longitude, s.longitudeNext) << key << ": moves in a day";
    } else {
      EXPECT_EQ(0.0, s.longitudeNext) << key << ": no next-day value";
    }
  }
}

TEST(Catalogue, KeysLabelsAndWheelEntriesAreEachUsedOnce) {
  std::set<std::string_view> keys, labels, wheelLabels;
  std::set<int> entries;
  for (const SlotInfo& slot : kCatalogue) {
    EXPECT_TRUE(keys.insert(slot.key).second) << slot.key;
    if (slot.section != PageSection::Hidden) {
      EXPECT_TRUE(labels.insert(slot.label).second) << slot.label;
    }
    if (slot.wheel.entry < 0) continue;
    EXPECT_TRUE(entries.insert(slot.wheel.entry).second) << slot.key << " entry " << slot.wheel.entry;
    EXPECT_TRUE(wheelLabels.insert(slot.wheel.label).second) << slot.key;
    // A slot drawn on a ring has an icon; the others have none.
    EXPECT_EQ(slot.wheel.ring != WheelRing::None, slot.wheel.icon.id != 0) << slot.key;
  }
  // The wheel's entries are numbered without a gap from the centre on.
  ASSERT_EQ(kWheelEntryCount, entries.size());
  EXPECT_EQ(static_cast<int>(kWheelEntryCount) - 1, *entries.rbegin());
}

TEST(Catalogue, WheelEntriesOfTheClassicWheel) {
  // The classic wheel shows Lilith in the Sun/Moon midpoint's entry and never places the Part
  // of Daimon; the rest of the first 22 slots keep their index.
  struct Case {
    std::size_t entry;
    BodyId slot;
    std::string_view label;
    WheelRing ring;
  } const cases[] = {
      {0, BodyId::NoBody, "", WheelRing::None},
      {1, BodyId::Sun, "So", WheelRing::Bodies},
      {11, BodyId::MeanNode, "Nn", WheelRing::Bodies},
      {12, BodyId::Ascendant, "As", WheelRing::HouseMarkers},
      {14, BodyId::Vertex, "Vx", WheelRing::HouseMarkers},
      {15, BodyId::PartOfFortune, "Pf", WheelRing::Bodies},
      {16, BodyId::Lilith, "Ll", WheelRing::Bodies},
      {17, BodyId::Cusp2, "D02", WheelRing::HouseMarkers},
      {20, BodyId::Cusp12, "D12", WheelRing::HouseMarkers},
      {21, BodyId::PartOfDaimon, "Pd", WheelRing::None},
  };
  ASSERT_EQ(22u, kWheelEntryCount);
  for (const Case& c : cases) {
    EXPECT_EQ(c.slot, kWheelEntrySlots[c.entry]) << c.entry;
    EXPECT_EQ(c.label, SlotOf(c.slot).wheel.label) << c.entry;
    EXPECT_EQ(c.ring, SlotOf(c.slot).wheel.ring) << c.entry;
  }
  EXPECT_EQ(-1, SlotOf(BodyId::Midpoint).wheel.entry);
  int axes = 0;
  for (const SlotInfo& slot : kCatalogue) axes += slot.wheel.houseAxis ? 1 : 0;
  EXPECT_EQ(6, axes) << "Ascendant, Midheaven and the four cusps";
}

TEST(Catalogue, TheTenPlanetsAreSunToPluto) {
  std::string planets;
  for (const SlotInfo& slot : kCatalogue) {
    if (slot.planet) planets += std::string(slot.label) + " ";
  }
  EXPECT_EQ("So Mo Me Ve Ma Ju Sa Ur Ne Pl ", planets);
}

// The Chart value carries its input and the instants the positional driver uses, and slots bit
// for bit those of the positional driver.
TEST(ChartValue, HoldsInputInstantsAndTheSameSlots) {
  for (int house = 0; house < 3; ++house) {
    const ChartInput in = testing::SampleInput(house);
    const Chart chart = ComputeChart(in);
    const ChartInstants t = ComputeInstants(in.day, in.hour, in.minute, in.month, in.year);
    EXPECT_EQ(t.jdUT, chart.jdUT);
    EXPECT_EQ(t.jde, chart.jde);
    EXPECT_EQ(in.houseIndex, chart.input.houseIndex);
    EXPECT_EQ(in.minute, chart.input.minute);
    ChartResult positional;
    ComputeChart(in.day, in.hour, in.minute, in.month, in.year, in.longitude, in.latitude, in.houseCode(), positional);
    for (const SlotInfo& slot : kCatalogue) {
      const BodySlot& a = chart[slot.id];
      const BodySlot& b = positional[slot.id];
      EXPECT_TRUE(a.longitude == b.longitude && a.declination == b.declination && a.longitudeNext == b.longitudeNext &&
                  a.declinationNext == b.declinationNext)
          << slot.key << " house " << house;
    }
  }
}

}  // namespace
}  // namespace caelix

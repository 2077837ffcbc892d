#include "ui/wheel/symbol_identification.h"

#include <gtest/gtest.h>

#include <string>

#include "chart/chart_input.h"
#include "support/recording_surface.h"
#include "ui/wheel/header_text.h"

namespace caelix {
namespace {

const char kHeader[] = "28.2.2006 17GMT:42.50, 50.08\u00b0 14.42\u00b0";

TEST(IdentifySymbols, TheTapSquareReachesEightPixelsEachWay) {
  SymbolPositions positions{};
  positions[1] = {{100, 200}, true};
  WheelSlots slots{};
  slots[1] = {5.12, 0, 5.12 + 0.9856, 0};
  struct Case {
    int dx, dy;
    bool hit;
  } const cases[] = {
      {0, 0, true},  {8, -8, true},  {-8, 8, true}, {8, 8, true},   {-8, -8, true},
      {9, 0, false}, {-9, 0, false}, {0, 9, false}, {0, -9, false}, {9, -8, false},
  };
  for (const Case& c : cases) {
    const std::string got = IdentifySymbols(100 + c.dx, 200 + c.dy, positions, slots, kHeader);
    EXPECT_EQ(c.hit ? "So 05Ar07   0.59" : "", got) << "offset " << c.dx << "," << c.dy;
  }
}

TEST(IdentifySymbols, PiecesByKindOfEntry) {
  WheelSlots slots{};
  slots[2] = {10.0, 0, 9.25, 0};   // the Moon, going back 0.75 a day
  slots[11] = {5.88, 0, 5.83, 0};  // the node, backwards
  slots[12] = {171.712, 0, 0, 0};  // the Ascendant: no motion
  slots[15] = {181.91, 0, 0, 0};   // Part of Fortune: no motion
  slots[16] = {95.0, 0, 95.1, 0};  // Lilith, with motion
  slots[17] = {194.92, 0, 0, 0};   // cusp 2
  struct Case {
    std::size_t entry;
    const char* want;
  } const cases[] = {
      {0, "28.2.2006 17GMT:42.50, 50.08\u00b0 14.42\u00b0 "},
      {2, "Mo 10Ar00 R 0.45"},
      {11, "Nn 05Ar53 R 0.03"},
      {12, "As 21Vi43"},
      {15, "Pf 01Li55"},
      {16, "Ll 05Cn00   0.06"},
      {17, "D02 14Li55"},
  };
  for (const Case& c : cases) {
    SymbolPositions positions{};
    positions[c.entry] = {{50, 50}, true};
    EXPECT_EQ(c.want, IdentifySymbols(50, 50, positions, slots, kHeader)) << "entry " << c.entry;
  }
}

TEST(IdentifySymbols, NamesEverythingUnderTheTapInEntryOrder) {
  WheelSlots slots{};
  slots[3] = {77.0, 0, 78.5, 0};
  slots[12] = {100.0, 0, 0, 0};
  slots[20] = {98.0, 0, 0, 0};
  SymbolPositions positions{};
  positions[20] = {{60, 60}, true};  // D12
  positions[3] = {{66, 54}, true};   // Mercury
  positions[12] = {{52, 67}, true};  // As
  EXPECT_EQ("Me 17Ge00   1.30; As 10Cn00; D12 08Cn00", IdentifySymbols(59, 60, positions, slots, kHeader));
  EXPECT_EQ("Me 17Ge00   1.30; D12 08Cn00", IdentifySymbols(68, 56, positions, slots, kHeader));
  EXPECT_EQ("", IdentifySymbols(80, 80, positions, slots, kHeader));
}

TEST(ChartWheel, NothingIsNamedBeforeTheFirstDrawing) {
  const ChartWheel wheel;
  for (const Point p : {Point{0, 0}, Point{240, 240}, Point{5, 5}}) {
    EXPECT_EQ("", wheel.IdentifySymbols(p.x, p.y));
  }
}

TEST(ChartWheel, TapsNameTheDrawnSymbols) {
  ChartResult chart;
  chart[BodyId::Sun] = {5.12, 0, 5.12 + 0.9856, 0};
  for (int i = 2; i <= 11; ++i) chart.slots[i] = {30.0 * i, 0, 30.0 * i + 0.1, 0};
  chart[BodyId::Ascendant].longitude = 100.0;
  chart[BodyId::Cusp12].longitude = 98.0;  // its marker lies 3 px from the Ascendant's
  chart[BodyId::Midheaven].longitude = 10.0;
  chart[BodyId::Lilith] = {250.0, -91, 250.1, -91};
  chart[BodyId::Midpoint].longitude = 160.0;  // never drawn: Lilith takes its entry
  ChartWheel wheel;
  RecordingSurface surface;
  wheel.DrawWheel(surface, {0, 0, 480, 480}, chart, kHeader);
  const auto& p = wheel.symbolPositions();
  EXPECT_EQ("So 05Ar07   0.59", wheel.IdentifySymbols(p[1].point.x, p[1].point.y));
  EXPECT_EQ(std::string(kHeader) + " ", wheel.IdentifySymbols(240, 240));
  EXPECT_EQ(kHeader, wheel.SymbolText(0));
  EXPECT_EQ("As 10Cn00; D12 08Cn00", wheel.IdentifySymbols(p[12].point.x, p[12].point.y));
  EXPECT_EQ("Ll 10Sg00   0.06", wheel.IdentifySymbols(p[16].point.x, p[16].point.y));

  // A later chart without Lilith: nothing is named where it was.
  const Point lilith = p[16].point;
  chart[BodyId::Lilith].longitude = -1.0;
  wheel.DrawWheel(surface, {0, 0, 480, 480}, chart, kHeader);
  EXPECT_EQ("", wheel.IdentifySymbols(lilith.x, lilith.y));
}

TEST(BuildHeaderText, DateTimeAndPlace) {
  struct Case {
    ChartInput in;
    const char* want;
  } const cases[] = {
      {{28, 2, 2006, 17, 42.5, 14.417, 50.083, 0}, "28.2.2006 17GMT:42.50, 50.08\u00b0 14.42\u00b0"},
      {{1, 12, 1999, 7, 5.5, -73.9, -33.87, 2}, "1.12.1999 7GMT:05.50, -33.87\u00b0 -73.90\u00b0"},
      {{31.9, 1.5, -44.5, 23.99, 0.0, 0.0, 0.0, 1}, "31.1.-44 23GMT:00.00, 0.00\u00b0 0.00\u00b0"},  // truncated
      {{2, 3, 2004, 9, 9.999, 0.0, 0.0, 0}, "2.3.2004 9GMT:10.00, 0.00\u00b0 0.00\u00b0"},  // rounds, not 010.00
  };
  for (const Case& c : cases) EXPECT_EQ(c.want, BuildHeaderText(c.in));
}

}  // namespace
}  // namespace caelix

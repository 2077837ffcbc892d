#include "ui/pages/positions_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "chart/compute_chart.h"
#include "support/page_lines.h"

namespace caelix {
namespace {

using testing::PageLines;

// A chart whose every slot has a value: bodies at 10 degrees moving 1 degree a day.
ChartResult FullChart() {
  ChartResult r;
  for (BodySlot& s : r.slots) s = BodySlot{10.0, 0.0, 11.0, 0.0};
  return r;
}

TEST(PositionsPage, HeaderLines) {
  struct Case {
    double day, month, year, hour, minute, latitude, longitude;
    const char* line1;
    const char* line2;
  } const cases[] = {
      {28, 2, 2006, 17, 5.5, 50.083, 14.417, "28.2.2006 17GMT:05.50,", "50.08\u00B0 14.42\u00B0:"},
      {28, 2, 2006, 17, 42.5, 50.083, 14.417, "28.2.2006 17GMT:42.50,", "50.08\u00B0 14.42\u00B0:"},
      {1, 12, 1900, 0, 0.0, -33.8688, 151.2093, "1.12.1900 0GMT:00.00,", "-33.87\u00B0 151.21\u00B0:"},
      {15, 3, -44, 9, 9.999, 41.9, -0.004, "15.3.-44 9GMT:10.00,", "41.90\u00B0 -0.00\u00B0:"},  // 10.00, not 010.00
      {31, 12, 99999, 23, 59.25, 0.0, 360.0, "31.12.99999 23GMT:59.25,", "0.00\u00B0 360.00\u00B0:"},
  };
  for (const Case& c : cases) {
    ChartInput in;
    in.day = c.day;
    in.month = c.month;
    in.year = c.year;
    in.hour = c.hour;
    in.minute = c.minute;
    in.latitude = c.latitude;
    in.longitude = c.longitude;
    const auto lines = PageLines(BuildPositionsText(in, FullChart()));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(c.line1, lines[0]);
    EXPECT_EQ(c.line2, lines[1]);
    EXPECT_EQ("", lines[2]);
  }
}

TEST(PositionsPage, LabelsMotionColumnsAndSkippedSlots) {
  ChartInput in;
  in.houseIndex = 2;
  const auto lines = PageLines(BuildPositionsText(in, FullChart()));
  const std::vector<std::string> want = {
      "So\t10Ar00\t  1.00",
      "Mo\t10Ar00\t  1.00",
      "Me\t10Ar00\t  1.00",
      "Ve\t10Ar00\t  1.00",
      "Ma\t10Ar00\t  1.00",
      "Ju\t10Ar00\t  1.00",
      "Sa\t10Ar00\t  1.00",
      "Ur\t10Ar00\t  1.00",
      "Ne\t10Ar00\t  1.00",
      "Pl\t10Ar00\t  1.00",
      "Nn\t10Ar00\t  1.00",
      "As\t10Ar00",
      "Mc\t10Ar00",
      "Vx\t10Ar00",
      "Pf\t10Ar00",
      "Mp\t10Ar00",
      "Koch",
      "D02\t10Ar00",
      "D03\t10Ar00",
      "D11\t10Ar00",
      "D12\t10Ar00",
      "--",
      "Lilith\t10Ar00\t  1.00",
      "Lilith true\t10Ar00\t  1.00",
      "Selena\t10Ar00\t  1.00",
      "Waldemath\t10Ar00\t  1.00",
      "Chiron\t10Ar00\t  1.00",
      "Eros\t10Ar00\t  1.00",
      "Eris\t10Ar00\t  1.00",
      "Sedna\t10Ar00\t  1.00",
      "Orcus\t10Ar00\t  1.00",
      "Quaoar\t10Ar00\t  1.00",
      "Varuna\t10Ar00\t  1.00",
      "Ixion\t10Ar00\t  1.00",
  };
  ASSERT_EQ(3 + want.size(), lines.size());  // PartOfDaimon is computed but never listed
  for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(want[i], lines[3 + i]) << "line " << 4 + i;
}

TEST(PositionsPage, SlotsWithoutValue) {
  struct Case {
    const char* name;
    std::vector<BodyId> without;      // longitude -1.0
    std::vector<BodyId> withoutNext;  // longitudeNext -1.0
    std::vector<std::string> run;     // lines that follow one another on the page
    bool atEnd;                       // the run ends the page
  } const cases[] = {
      {"no table body: the list ends with the cusps",
       {BodyId::Lilith, BodyId::LilithTrue, BodyId::Selena, BodyId::Waldemath, BodyId::Chiron, BodyId::Eros,
        BodyId::Eris, BodyId::Sedna, BodyId::Orcus, BodyId::Quaoar, BodyId::Varuna, BodyId::Ixion},
       {},
       {"D11\t10Ar00", "D12\t10Ar00"},
       true},
      {"the last day of a table: position, no motion column",
       {},
       {BodyId::Ixion},
       {"Varuna\t10Ar00\t  1.00", "Ixion\t10Ar00"},
       true},
      {"the dash line goes with Lilith",
       {BodyId::Lilith},
       {},
       {"D12\t10Ar00", "Lilith true\t10Ar00\t  1.00", "Selena\t10Ar00\t  1.00"},
       false},
      {"a lone table body",
       {BodyId::Lilith, BodyId::LilithTrue, BodyId::Selena, BodyId::Waldemath, BodyId::Eros, BodyId::Eris,
        BodyId::Sedna, BodyId::Orcus, BodyId::Quaoar, BodyId::Varuna, BodyId::Ixion},
       {},
       {"D12\t10Ar00", "Chiron\t10Ar00\t  1.00"},
       true},
  };
  for (const Case& c : cases) {
    ChartResult r = FullChart();
    for (BodyId id : c.without) r[id].longitude = kNoLongitude;
    for (BodyId id : c.withoutNext) r[id].longitudeNext = kNoLongitude;
    const auto lines = PageLines(BuildPositionsText(ChartInput{}, r));
    const auto first = std::find(lines.begin(), lines.end(), c.run.front());
    ASSERT_LE(c.run.size(), static_cast<std::size_t>(lines.end() - first)) << c.name;
    EXPECT_TRUE(std::equal(c.run.begin(), c.run.end(), first)) << c.name;
    if (c.atEnd) {
      EXPECT_EQ(c.run.back(), lines.back()) << c.name;
    }
    EXPECT_EQ(3u + 33u - c.without.size() + (r[BodyId::Lilith].longitude == kNoLongitude ? 0 : 1), lines.size())
        << c.name;
  }
}

TEST(PositionsPage, ChartOf1900HasNoTableBodies) {
  ChartInput in;
  in.day = 1;
  in.month = 6;
  in.year = 1900;
  in.hour = 12;
  const auto lines = PageLines(BuildPositionsText(in, ComputeChart(in)));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ("1.6.1900 12GMT:00.00,", lines[0]);
  EXPECT_EQ("D12\t", lines.back().substr(0, 4));
  for (const std::string& line : lines) EXPECT_NE("--", line);
}

}  // namespace
}  // namespace caelix

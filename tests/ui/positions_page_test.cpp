#include "ui/pages/positions_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
    ChartInput in;  // day, month, year, hour, minute, longitude, latitude
    const char* lines;
  } const cases[] = {
      {{28, 2, 2006, 17, 5.5, 14.417, 50.083}, "28.2.2006 17GMT:05.50,\r\n50.08\u00B0 14.42\u00B0:\r\n\r\nSo\t"},
      {{28, 2, 2006, 17, 42.5, 14.417, 50.083}, "28.2.2006 17GMT:42.50,\r\n50.08\u00B0 14.42\u00B0:\r\n\r\nSo\t"},
      {{1, 12, 1900, 0, 0.0, 151.2093, -33.8688}, "1.12.1900 0GMT:00.00,\r\n-33.87\u00B0 151.21\u00B0:\r\n\r\n"},
      {{15, 3, -44, 9, 9.999, -0.004, 41.9}, "15.3.-44 9GMT:10.00,\r\n41.90\u00B0 -0.00\u00B0:\r\n\r\n"},  // not 010.00
  };
  for (const Case& c : cases) EXPECT_EQ(0u, BuildPositionsText(c.in, FullChart()).rfind(c.lines, 0)) << c.lines;
}

TEST(PositionsPage, SlotsWithoutValue) {
  constexpr BodyId kTable[] = {BodyId::Lilith, BodyId::LilithTrue, BodyId::Selena, BodyId::Waldemath,
                               BodyId::Chiron, BodyId::Eros,       BodyId::Eris,   BodyId::Sedna,
                               BodyId::Orcus,  BodyId::Quaoar,     BodyId::Varuna, BodyId::Ixion};
  struct Case {
    const char* name;
    std::vector<BodyId> without;      // longitude -1.0
    std::vector<BodyId> withoutNext;  // longitudeNext -1.0
    std::vector<std::string> run;     // lines that follow one another on the page
    bool atEnd;                       // the run ends the page
  } const cases[] = {
      {"no table body: the list ends with the cusps",
       {std::begin(kTable), std::end(kTable)},
       {},
       {"Mp\t10Ar00", "Koch", "D02\t10Ar00", "D03\t10Ar00", "D11\t10Ar00", "D12\t10Ar00"},
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
      {"all present", {}, {}, {"Nn\t10Ar00\t  1.00", "As\t10Ar00"}, false},
  };
  for (const Case& c : cases) {
    ChartResult r = FullChart();
    for (BodyId id : c.without) r[id].longitude = kNoLongitude;
    for (BodyId id : c.withoutNext) r[id].longitudeNext = kNoLongitude;
    ChartInput in;
    in.houseIndex = 2;
    const auto lines = PageLines(BuildPositionsText(in, r));
    const auto first = std::find(lines.begin(), lines.end(), c.run.front());
    ASSERT_LE(c.run.size(), static_cast<std::size_t>(lines.end() - first)) << c.name;
    EXPECT_TRUE(std::equal(c.run.begin(), c.run.end(), first)) << c.name;
    if (c.atEnd) {
      EXPECT_EQ(c.run.back(), lines.back()) << c.name;
    }
    // Header, 32 listed slots (not PartOfDaimon), the house system's line and the dash line.
    const std::size_t dash = r[BodyId::Lilith].longitude == kNoLongitude ? 0 : 1;
    EXPECT_EQ(3u + 32u + 1u + dash - c.without.size(), lines.size()) << c.name;
  }
}

TEST(PositionsPage, TableBodiesListedFrom1800To2099) {
  struct Case {
    ChartInput in;  // day, month, year, hour, minute, longitude, latitude
    const char* header;
    std::vector<std::string> tableBodies;  // the labels after the cusps
  } const cases[] = {
      {{9, 12, 2026, 12, 0.0, 14.417, 50.083},
       "9.12.2026 12GMT:00.00,",
       {"Lilith", "Lilith true", "Selena", "Waldemath", "Chiron", "Eros", "Eris", "Sedna", "Orcus", "Quaoar", "Varuna",
        "Ixion"}},
      {{15, 6, 1850, 12, 0.0, 14.417, 50.083},
       "15.6.1850 12GMT:00.00,",
       {"Lilith", "Lilith true", "Selena", "Waldemath", "Chiron", "Eros", "Eris", "Sedna", "Orcus", "Quaoar", "Varuna",
        "Ixion"}},
      {{1, 1, 1800, 0, 0.0, 14.417, 50.083}, "1.1.1800 0GMT:00.00,", {"Lilith true"}},
  };
  for (const Case& c : cases) {
    const auto lines = PageLines(BuildPositionsText(c.in, ComputeChart(c.in)));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(c.header, lines[0]);
    const auto cusp12 =
        std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("D12\t", 0) == 0; });
    ASSERT_NE(lines.end(), cusp12) << c.header;
    std::vector<std::string> labels;
    for (auto it = cusp12 + 1; it != lines.end(); ++it) {
      if (*it == "--") continue;
      labels.push_back(it->substr(0, it->find('\t')));
      // Every table body shows its motion: a tab, the position, a tab, the motion.
      EXPECT_EQ(2, std::count(it->begin(), it->end(), '\t')) << c.header << ": " << *it;
    }
    EXPECT_EQ(c.tableBodies, labels) << c.header;
    const bool dash = std::find(lines.begin(), lines.end(), "--") != lines.end();
    EXPECT_EQ(c.tableBodies.front() == "Lilith", dash) << c.header;
  }
}

}  // namespace
}  // namespace caelix

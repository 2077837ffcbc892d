#include "ui/pages/aspects_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/page_lines.h"

namespace caelix {
namespace {

using testing::ExpectPageLines;
using testing::PageLines;

// A chart with the slots 1 to 16 at the given longitudes.
ChartResult WithRows(const std::array<double, 16>& longitudes) {
  ChartResult r;
  for (std::size_t i = 0; i < 16; ++i) r.slots[i + 1].longitude = longitudes[i];
  return r;
}

// The line of a row, found by its label, and the line after it.
std::pair<std::string, std::string> RowLines(const std::string& page, const std::string& label) {
  const auto lines = PageLines(page);
  const auto it =
      std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(label + ":\t", 0) == 0; });
  if (it == lines.end()) return {"<no row " + label + ">", ""};
  return {*it, it + 1 == lines.end() ? "" : *(it + 1)};
}

TEST(AspectsPage, RowsOfTheExamples) {
  // Every other body at 32: 22 from the Sun and 98 from the Moon, neither an aspect.
  std::array<double, 16> at;
  at.fill(32.0);
  at[0] = 10.0;
  at[1] = 130.0;
  const std::string trine = BuildAspectsText(WithRows(at));
  EXPECT_EQ("So:\t120Mo ", RowLines(trine, "So").first);
  EXPECT_EQ("Mo:\t120So ", RowLines(trine, "Mo").first);

  // Sun at 355, Mercury at 3: a conjunction across 0 degrees, in both rows.
  at.fill(20.0);
  at[0] = 355.0;
  at[2] = 3.0;
  const std::string acrossZero = BuildAspectsText(WithRows(at));
  EXPECT_EQ("So:\t0Me ", RowLines(acrossZero, "So").first);
  EXPECT_EQ("Me:\t0So ", RowLines(acrossZero, "Me").first);

  // Separations 9.5 (a conjunction) and 10.5 (no aspect at all).
  at.fill(125.0);
  at[0] = 100.0;
  at[1] = 109.5;
  at[2] = 89.5;
  EXPECT_EQ("So:\t0Mo ", RowLines(BuildAspectsText(WithRows(at)), "So").first);
}

TEST(AspectsPage, AtMostThreeEntriesALineAndEmptyRows) {
  // The Sun with Moon 0, Mercury 60, Venus 90, Mars 120, Jupiter 180: five aspects on two lines.
  // The points at 158 aspect nothing.
  const std::array<double, 16> at = {0, 0, 60, 90, 120, 180, 20, 20, 20, 20, 20, 158, 158, 158, 158, 158};
  const std::string page = BuildAspectsText(WithRows(at));
  const auto sun = RowLines(page, "So");
  EXPECT_EQ("So:\t0Mo 60Me 90Ve ", sun.first);
  EXPECT_EQ("\t120Ma 180Ju ", sun.second);
  EXPECT_TRUE(page.find("\r\nMp:\t\r\n") != std::string::npos) << page;
  EXPECT_EQ(0u, page.rfind("Aspects:\r\n\r\nSo:\t", 0));
  const auto lines = PageLines(page);
  EXPECT_EQ("Mp:\t", lines.back());
  EXPECT_EQ(16, std::count_if(lines.begin(), lines.end(),
                              [](const std::string& l) { return l.find(":\t") != std::string::npos; }));
}

TEST(AspectsPage, ASlotWithoutValueIsNeitherRowNorPartner) {
  std::array<double, 16> at;
  at.fill(20.0);
  at[1] = kNoLongitude;  // the Moon
  at[3] = 359.5;         // Venus: -1.0 would be a conjunction of 0.5 degrees if taken as a longitude
  const std::string page = BuildAspectsText(WithRows(at));
  EXPECT_EQ("<no row Mo>", RowLines(page, "Mo").first);
  EXPECT_EQ(std::string::npos, page.find("Mo ")) << page;
  EXPECT_EQ("Ve:\t", RowLines(page, "Ve").first);
}

}  // namespace
}  // namespace caelix

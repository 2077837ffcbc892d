#include "ui/pages/aspects_page.h"

#include <gtest/gtest.h>

#include <vector>

namespace caelix {
namespace {

TEST(AspectsPage, RowsEntriesAndContinuationLines) {
  struct Case {
    const char* name;
    std::array<double, 16> at;       // slots 1 to 16; the others stay without aspects
    std::vector<const char*> rows;   // whole rows, each between line ends
    std::vector<const char*> never;  // texts nowhere on the page
  } const cases[] = {
      {"Sun 10, Moon 130, the rest 22 from the Sun and 98 from the Moon",
       {10, 130, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32},
       {"\r\nSo:\t120Mo \r\n", "\r\nMo:\t120So \r\n"},
       {}},
      {"Sun 355, Mercury 3: across 0 degrees",
       {355, 20, 3, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20},
       {"\r\nSo:\t0Me \r\n", "\r\nMe:\t0So \r\n"},
       {}},
      {"separations 9.5 and 10.5",
       {100, 109.5, 89.5, 125, 125, 125, 125, 125, 125, 125, 125, 125, 125, 125, 125, 125},
       {"\r\nSo:\t0Mo \r\n"},
       {}},
      {"five aspects in a row, and rows without any",
       {0, 0, 60, 90, 120, 180, 20, 20, 20, 20, 20, 158, 158, 158, 158, 158},
       {"Aspects:\r\n\r\nSo:\t0Mo 60Me 90Ve \r\n\t120Ma 180Ju \r\n", "\r\nMc:\t\r\n", "\r\nMp:\t\r\n"},
       {}},
      {"the Moon without a value is neither row nor partner; as -1.0 it would be 0.5 from Venus",
       {20, kNoLongitude, 20, 359.5, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20},
       {"\r\nVe:\t\r\n"},
       {"Mo:", "Mo "}},
  };
  for (const Case& c : cases) {
    ChartResult r;
    for (std::size_t i = 0; i < 16; ++i) r.slots[i + 1].longitude = c.at[i];
    const std::string page = BuildAspectsText(r);
    for (const char* row : c.rows)
      EXPECT_NE(std::string::npos, page.find(row)) << c.name << ": " << row << "\n" << page;
    for (const char* text : c.never) EXPECT_EQ(std::string::npos, page.find(text)) << c.name << ": " << text;
    EXPECT_EQ("\r\n", page.substr(page.size() - 2)) << c.name;
  }
}

}  // namespace
}  // namespace caelix

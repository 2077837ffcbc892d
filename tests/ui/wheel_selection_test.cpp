#include "ui/wheel/wheel_selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace caelix {
namespace {

std::string Chosen(const PointSelection& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!s[i]) continue;
    if (!out.empty()) out += ' ';
    out.append(BodyLabel(static_cast<BodyId>(i)));
  }
  return out;
}

std::string Chosen(const AspectSelection& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!s[i]) continue;
    if (!out.empty()) out += ' ';
    out.append(std::to_string(static_cast<int>(kAspectTable[i].angleDeg)));
  }
  return out;
}

TEST(PointSelection, WordsNameGroupsAndBodies) {
  const struct {
    const char* text;
    const char* want;  // the labels chosen, or nothing for an error
  } kRows[] = {
      {"planets", "So Mo Me Ve Ma Ju Sa Ur Ne Pl"},
      {"points", "Nn Vx Pf"},
      {"Sun,chiron, NN", "So Nn Chiron"},
      {"Ll,lilith true,LilithTrue", "Lilith Lilith true"},
      {"tables", "Lilith Lilith true Selena Waldemath Chiron Eros Eris Sedna Orcus Quaoar Varuna Ixion"},
      {"As", nullptr},  // an angle: always drawn as a cusp, never as a body
      {"Mp", nullptr},
      {"sun,,moon", nullptr},
      {"", nullptr},
      {"pluto,", nullptr},
  };
  for (const auto& row : kRows) {
    std::string error;
    const auto got = ParsePointSelection(row.text, error);
    if (row.want == nullptr) {
      EXPECT_FALSE(got) << row.text;
      EXPECT_NE(std::string::npos, error.find("unknown point")) << row.text << ": " << error;
    } else {
      ASSERT_TRUE(got) << row.text << ": " << error;
      EXPECT_EQ(row.want, Chosen(*got)) << row.text;
    }
  }
  const PointSelection all = AllPoints();
  EXPECT_EQ(25, std::count(all.begin(), all.end(), true));
}

TEST(AspectSelection, WordsNameKindsAndAngles) {
  const struct {
    const char* text;
    const char* want;
  } kRows[] = {
      {"major", "0 180 90 120 60"},
      {"hard", "0 180 90 135 45"},
      {"soft", "120 60"},
      {"minor", "150 30 72 144 40 51 36 80 102 108 153 160 32 64 96 128"},
      {"none", ""},
      {"Trine, 150,quintile", "120 150 72"},
      {"none,60", "60"},
      {"all", "0 180 90 120 60 150 30 135 45 72 144 40 51 36 80 102 108 153 160 32 64 96 128"},
      {"100", nullptr},  // not an angle of the table
      {"1e2", nullptr},
      {"major,", nullptr},
  };
  for (const auto& row : kRows) {
    std::string error;
    const auto got = ParseAspectSelection(row.text, error);
    if (row.want == nullptr) {
      EXPECT_FALSE(got) << row.text;
      EXPECT_NE(std::string::npos, error.find("unknown aspect")) << row.text << ": " << error;
    } else {
      ASSERT_TRUE(got) << row.text << ": " << error;
      EXPECT_EQ(row.want, Chosen(*got)) << row.text;
    }
  }
  EXPECT_EQ("0 180 90 120 60", Chosen(MajorAspects()));
}

TEST(AspectSelection, NamesOfTheAspects) {
  EXPECT_EQ("quincunx", AspectName(150));
  EXPECT_EQ("semi-sextile", AspectName(30));
  EXPECT_EQ("102\u00b0", AspectName(102));
}

}  // namespace
}  // namespace caelix

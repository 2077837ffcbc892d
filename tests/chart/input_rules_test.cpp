#include "chart/input_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/time_scales.h"

namespace caelix {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(InputRules, PlaceRanges) {
  struct Case {
    double v;
    bool longitude;
    bool latitude;
  } const cases[] = {
      {0.0, true, true},           {360.0, true, false},         {-360.0, true, false},
      {360.0000001, false, false}, {-360.0000001, false, false}, {66.0, true, false},
      {-66.0, true, false},        {65.999999, true, true},      {-65.999999, true, true},
      {kInf, false, false},        {-kInf, false, false},        {kNaN, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.longitude, IsLongitudeInRange(c.v)) << c.v;
    EXPECT_EQ(c.latitude, IsLatitudeInRange(c.v)) << c.v;
  }
}

TEST(InputRules, MinuteRange) {
  const struct {
    double minute;
    bool in;
  } cases[] = {{0.0, true}, {59.999, true}, {60.0, false}, {-0.001, false}, {kNaN, false}, {kInf, false}};
  for (const auto& c : cases) EXPECT_EQ(c.in, IsMinuteInRange(c.minute)) << c.minute;
}

TEST(InputRules, HouseSystemsByIndexCodeAndName) {
  struct Case {
    const char* text;
    int index;  // -1: not a house system
  } const cases[] = {
      {"P", 0},    {"p", 0}, {"Placidus", 0}, {"PLACIDUS", 0}, {"C", 1},      {"campanus", 1}, {"K", 2},
      {"koch", 2}, {"", -1}, {"Pl", -1},      {"X", -1},       {"kochx", -1}, {" K", -1},
  };
  for (const Case& c : cases) {
    const auto h = HouseSystemNamed(c.text);
    EXPECT_EQ(c.index, h ? h->index : -1) << "'" << c.text << "'";
  }
  // The code character as the computation and the batch rows take it: upper case only.
  EXPECT_EQ(2, HouseSystemOfCode('K')->index);
  EXPECT_FALSE(HouseSystemOfCode('k'));
  EXPECT_FALSE(HouseSystemOfCode('\0'));
  // An index that names nothing (no selection in the choice box) counts as Placidus.
  for (int index : {-1, 3, 1000}) {
    EXPECT_EQ('P', HouseSystemOf(index).code) << index;
    EXPECT_FALSE(IsHouseIndex(index)) << index;
  }
  EXPECT_EQ("Campanus", HouseSystemOf(1).name);
  // What the help and the errors offer is what the parsers take.
  EXPECT_EQ("P, C or K", HouseSystemCodesText());
  EXPECT_EQ("placidus, campanus, koch, P, C or K", HouseSystemChoicesText());
}

TEST(InputRules, LeapYearsAndMonthLengthsAcrossTheReform) {
  struct Case {
    int year;
    int month;
    int days;
  } const cases[] = {
      {1500, 2, 29},                                                           // Julian: every fourth year
      {1582, 2, 28}, {1600, 2, 29}, {1700, 2, 28},                             // Gregorian centuries
      {1900, 2, 28}, {2000, 2, 29}, {2024, 2, 29}, {2023, 2, 28}, {0, 2, 29},  // 1 BC, Julian
      {-4, 2, 29},   {-1, 2, 28},   {-100, 2, 29}, {2023, 4, 30}, {2023, 12, 31}, {2023, 0, 0}, {2023, 13, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.days, DaysInMonth(c.year, c.month)) << c.year << "-" << c.month;
}

// The Julian day across the reform, against Meeus, Astronomical Algorithms, chapter 7: 4 October
// 1582 (Julian) is JD 2299159.5, and the next day 15 October 1582 (Gregorian) 2299160.5.
TEST(InputRules, CalendarReformAsTheJulianDayCountsIt) {
  struct Case {
    double day, month, year;
    bool gregorian;
  } const cases[] = {
      {4.0, 10, 1582, false}, {15.0, 10, 1582, false}, {15.5, 10, 1582, true},
      {16.0, 10, 1582, true}, {1.0, 11, 1582, true},   {31.0, 12, 1582, true},
      {1.0, 9, 1582, false},  {1.0, 1, 1583, true},    {1.0, 1, 1000, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.gregorian, IsGregorianDate(c.day, c.month, c.year)) << c.day << "." << c.month;
  EXPECT_EQ(2299159.5, JulianDay(4.0, 10.0, 1582.0));
  EXPECT_EQ(2299160.5 + 0.5, JulianDay(15.5, 10.0, 1582.0));
}

}  // namespace
}  // namespace caelix

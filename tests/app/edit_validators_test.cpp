#include "app/edit_validators.h"

#include <gtest/gtest.h>

namespace caelix {
namespace {

struct Case {
  const char* name;
  bool (*accepts)(std::string_view);
  const char* text;
  bool accepted;
};

const Case kCases[] = {
    {"day", AcceptsDay, "", true},
    {"day", AcceptsDay, "0", true},
    {"day", AcceptsDay, "31", true},
    {"day", AcceptsDay, "32", false},
    {"month", AcceptsMonth, "12", true},
    {"month", AcceptsMonth, "13", false},
    {"month", AcceptsMonth, "00", true},
    {"hour", AcceptsHour, "23", true},
    {"hour", AcceptsHour, "24", false},
    {"hour", AcceptsHour, "0", true},
    {"year", AcceptsYear, "2006", true},
    {"year", AcceptsYear, "-44", true},
    {"year", AcceptsYear, "-", true},
    {"year", AcceptsYear, "0", true},
    {"year", AcceptsYear, "", true},
    {"year", AcceptsYear, "02006", false},
    {"year", AcceptsYear, "+5", false},
    {"year", AcceptsYear, "20.5", false},
    {"year", AcceptsYear, "1e3", false},
    {"year", AcceptsYear, "00", false},
    {"year", AcceptsYear, "abc", false},
    {"year", AcceptsYear, "12a", false},
    {"year", AcceptsYear, "inf", false},
    {"year", AcceptsYear, "nan", false},
    {"year", AcceptsYear, "-inf", false},
    {"year", AcceptsYear, "0x1A", false},
    {"year", AcceptsYear, "1e3x", false},
    {"year", AcceptsYear, "1e4 ", false},
    {"year", AcceptsYear, "0xFFFFF", false},
    {"year", AcceptsYear, "-0x10", false},
    {"year", AcceptsYear, "099999999999999999999", false},
    {"year", AcceptsYear, "-00", false},
    {"year", AcceptsYear, "-0", true},
    {"year", AcceptsYear, "99999", true},
    {"minute", AcceptsMinute, "59", true},
    {"minute", AcceptsMinute, "30.5", true},
    {"minute", AcceptsMinute, "0", true},
    {"minute", AcceptsMinute, ".5", true},
    {"minute", AcceptsMinute, "60", false},
    {"minute", AcceptsMinute, "59.5", false},
    {"minute", AcceptsMinute, "-", false},
    {"minute", AcceptsMinute, "-5", false},
    {"minute", AcceptsMinute, ".", false},
    {"minute", AcceptsMinute, "1.2.3", false},
    {"minute", AcceptsMinute, "1e1", false},
    {"longitude", AcceptsLongitude, "-360", true},
    {"longitude", AcceptsLongitude, "360", true},
    {"longitude", AcceptsLongitude, "361", false},
    {"longitude", AcceptsLongitude, "-360.01", false},
    {"longitude", AcceptsLongitude, "-", true},
    {"longitude", AcceptsLongitude, ".", false},
    {"longitude", AcceptsLongitude, "-.", false},
    {"longitude", AcceptsLongitude, "--1", false},
    {"longitude", AcceptsLongitude, "14.417", true},
    {"latitude", AcceptsLatitude, "65.9", true},
    {"latitude", AcceptsLatitude, "66", false},
    {"latitude", AcceptsLatitude, "-66", false},
    {"latitude", AcceptsLatitude, "-65.99", true},
    {"latitude", AcceptsLatitude, "-", true},
    {"latitude", AcceptsLatitude, "5-", false},
};

TEST(EditValidators, AcceptOrRefuseEachText) {
  for (const Case& c : kCases) {
    EXPECT_EQ(c.accepts(c.text), c.accepted) << c.name << " \"" << c.text << '"';
  }
}

TEST(EditValidators, ConversionsTakeTheLeadingNumber) {
  const struct {
    const char* text;
    int integer;
    double decimal;
  } cases[] = {
      {"", 0, 0.0},
      {"-", 0, 0.0},
      {"42", 42, 42.0},
      {"-44", -44, -44.0},
      {"5.75", 5, 5.75},
      {"12ab", 12, 12.0},
      {"1e3", 1, 1000.0},
      {"inf", 0, 0.0},
      {"99999999999", 2147483647, 99999999999.0},
      {"-99999999999", -2147483647 - 1, -99999999999.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextToInteger(c.text), c.integer) << c.text;
    EXPECT_EQ(TextToDecimal(c.text), c.decimal) << c.text;
  }
}

TEST(EditValidators, ExactDecimalTextKeepsEveryTypedDecimal) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{14.417, "14.417"}, {50.083, "50.083"}, {14.5, "14.50"},    {-123.4567, "-123.4567"},
               {0.0, "0.00"},      {5.5, "5.50"},      {1.0 / 3.0, "0.33"}};
  for (const auto& c : cases) EXPECT_EQ(ExactDecimalText(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace caelix

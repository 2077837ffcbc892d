#include "app/date_stepping.h"

#include <gtest/gtest.h>

namespace caelix {
namespace {

TEST(SteppedDate, CrossesMonthAndYearEndsAndLeapDays) {
  const struct {
    StepDateValue from;
    DateStep step;
    StepDateValue to;
  } cases[] = {
      {{31, 12, 2006}, DateStep::DayUp, {1, 1, 2007}},      {{1, 1, 2007}, DateStep::DayDown, {31, 12, 2006}},
      {{28, 2, 2006}, DateStep::DayUp, {1, 3, 2006}},       {{28, 2, 2008}, DateStep::DayUp, {29, 2, 2008}},
      {{1, 3, 2000}, DateStep::DayDown, {29, 2, 2000}},     {{1, 3, 1900}, DateStep::DayDown, {28, 2, 1900}},
      {{31, 1, 2007}, DateStep::MonthUp, {3, 3, 2007}},     {{31, 1, 2008}, DateStep::MonthUp, {2, 3, 2008}},
      {{15, 1, 2007}, DateStep::MonthDown, {15, 12, 2006}}, {{15, 12, 2006}, DateStep::MonthUp, {15, 1, 2007}},
      {{31, 3, 2007}, DateStep::MonthDown, {3, 3, 2007}},   {{4, 10, 1582}, DateStep::DayUp, {15, 10, 1582}},
      {{16, 10, 1582}, DateStep::DayDown, {15, 10, 1582}},  {{1, 1, 0}, DateStep::DayDown, {31, 12, -1}},
      {{0, 3, 2007}, DateStep::DayUp, {1, 3, 2007}},        {{31, 12, 99999}, DateStep::DayUp, {1, 1, 100000}},
  };
  for (const auto& c : cases) {
    const auto got = SteppedDate(c.from.day, c.from.month, c.from.year, c.step);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, c.to) << c.from.day << '.' << c.from.month << '.' << c.from.year << " step "
                          << static_cast<int>(c.step) << " gave " << got->day << '.' << got->month << '.' << got->year;
  }
}

TEST(SteppedDate, AMonthOutsideOneToTwelveNamesNoDate) {
  for (int month : {0, 13, -1}) {
    EXPECT_FALSE(SteppedDate(15, month, 2006, DateStep::DayUp).has_value()) << month;
    EXPECT_FALSE(SteppedDate(15, month, 2006, DateStep::MonthDown).has_value()) << month;
  }
}

}  // namespace
}  // namespace caelix

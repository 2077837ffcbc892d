#pragma once
// Stepping a calendar date by a day or a month through the Julian day.
#include <optional>

namespace caelix {

enum class DateStep { DayUp, DayDown, MonthUp, MonthDown };

struct StepDateValue {
  int day;
  int month;
  int year;  // astronomical
  friend bool operator==(const StepDateValue&, const StepDateValue&) = default;
};

// Returns the date after one step from day, month (1-12) and astronomical year, in the calendar
// of JulianDay (Julian up to 4 October 1582, Gregorian from 15 October): a day step moves the
// Julian day by one; a month step keeps the day and moves the month (across the year end), a day
// past the new month's end rolling into the next month (31 January + 1 month is 3 March, or 2
// March in a leap year). Day 0 is the last day of the month before. Returns nothing for a month
// outside 1-12, which names no date.
std::optional<StepDateValue> SteppedDate(int day, int month, int year, DateStep step);

}  // namespace caelix

#pragma once
// The system clock, read as a calendar date and time of day in Universal Time.

namespace caelix {

struct UtcDateTime {
  int year;
  int month;  // 1-12
  int day;    // 1-31
  int hour;
  int minute;
  int second;
};

// Returns the current date and time of day in UT from the system clock.
UtcDateTime CurrentUtc();

}  // namespace caelix

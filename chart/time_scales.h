#pragma once
// The calendar and the time scales: Julian day, calendar date and dynamical time.

namespace caelix {

// Returns the Julian day of day (with the time of day as fraction), month 1-12 and astronomical
// year (1 BC is 0): Meeus' method, Julian calendar up to 15 October 1582 0h, Gregorian after.
// A month outside 1-12 leaves Meeus' shifted year and month at 0, as the old routine did.
double JulianDay(double day, double month, double year);

struct CalendarDateValue {
  double day;  // with the time of day as fraction
  double month;
  double year;  // astronomical
};

// Returns the calendar date of Julian day jd (Meeus' method, the inverse of JulianDay).
CalendarDateValue CalendarDate(double jd);

// Returns jd (Universal Time) plus Delta T in days: 0 before 1900 January 1 0h; from then to
// 2000 January 1 0h the fit 15.1 sin(140 T + 240.7) + (15.8 T + 37.6) T + 12.3 s; after it the
// parabola (0.00362 w + 0.319) w s in years w since 1902. The model is chosen by jd itself.
double DynamicalTime(double jd);

// Returns Delta T in seconds at jd, as DynamicalTime adds it.
double DeltaTSeconds(double jd);

}  // namespace caelix

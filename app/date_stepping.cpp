#include "app/date_stepping.h"

#include <cmath>

#include "chart/time_scales.h"

namespace caelix {

std::optional<StepDateValue> SteppedDate(int day, int month, int year, DateStep step) {
  if (month < 1 || month > 12) return std::nullopt;
  double jd = JulianDay(day, month, year);
  switch (step) {
    case DateStep::DayUp:
      jd += 1.0;
      break;
    case DateStep::DayDown:
      jd -= 1.0;
      break;
    case DateStep::MonthUp:
      if (++month == 13) {
        month = 1;
        ++year;
      }
      jd = JulianDay(day, month, year);
      break;
    case DateStep::MonthDown:
      if (--month == 0) {
        month = 12;
        --year;
      }
      jd = JulianDay(day, month, year);
      break;
  }
  const CalendarDateValue c = CalendarDate(jd);
  return StepDateValue{static_cast<int>(std::floor(c.day + 1e-6)), static_cast<int>(c.month), static_cast<int>(c.year)};
}

}  // namespace caelix

#include "app/history.h"

#include <cmath>
#include <cstdio>

#include "chart/input_rules.h"

namespace caelix {

namespace {

bool WholeWithin(double v, WholeRange range) { return std::isfinite(v) && v == std::trunc(v) && range.Contains(v); }

// Truncates toward zero into the int range; a value that is not a number gives 0.
int Truncated(double v) {
  if (!(v == v)) return 0;
  if (v >= 2147483647.0) return 2147483647;
  if (v <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(v);
}

}  // namespace

bool IsUsedRecord(const HistoryRecord& r) {
  return WholeWithin(r.day, kDayRange) && WholeWithin(r.month, kMonthRange) && WholeWithin(r.year, kSteppedYearRange) &&
         WholeWithin(r.hour, kHourRange) && IsMinuteInRange(r.minute) && IsLongitudeInRange(r.longitude) &&
         IsLatitudeInRange(r.latitude);
}

History MergeHistory(const History& old, const HistoryRecord& current) {
  History merged{};
  merged[0] = current;
  int count = 1;
  for (const HistoryRecord& r : old) {
    if (count >= kHistorySize) break;
    if (r == current || !IsUsedRecord(r)) continue;
    merged[static_cast<std::size_t>(count++)] = r;
  }
  return merged;
}

std::string FormatHistoryLine(const HistoryRecord& r) {
  char minute[64];
  std::snprintf(minute, sizeof minute, "%.2f", r.minute);
  char line[256];
  std::snprintf(line, sizeof line, "%d.%d.%d %d:%s%s, %.2f:%.2f", Truncated(r.day), Truncated(r.month),
                Truncated(r.year), Truncated(r.hour), std::string_view(minute).size() < 5 ? "0" : "", minute,
                r.latitude, r.longitude);
  return line;
}

}  // namespace caelix

#include "app/history.h"

#include <cmath>
#include <cstdio>

namespace caelix {

namespace {

bool WholeWithin(double v, double lower, double upper) {
  return std::isfinite(v) && v == std::trunc(v) && v >= lower && v <= upper;
}

// Truncates toward zero into the int range; a value that is not a number gives 0.
int Truncated(double v) {
  if (!(v == v)) return 0;
  if (v >= 2147483647.0) return 2147483647;
  if (v <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(v);
}

}  // namespace

bool IsUsedRecord(const HistoryRecord& r) {
  return WholeWithin(r.day, 1, 31) && WholeWithin(r.month, 1, 12) && WholeWithin(r.year, -999999, 999999) &&
         WholeWithin(r.hour, 0, 23) && std::isfinite(r.minute) && r.minute >= 0.0 && r.minute < 60.0 &&
         std::isfinite(r.longitude) && r.longitude >= -360.0 && r.longitude <= 360.0 && std::isfinite(r.latitude) &&
         r.latitude > -66.0 && r.latitude < 66.0;
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

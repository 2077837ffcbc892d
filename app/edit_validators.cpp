#include "app/edit_validators.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart/input_rules.h"

namespace caelix {

int TextToInteger(std::string_view text) {
  const std::string s(text);
  errno = 0;
  const long v = std::strtol(s.c_str(), nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

double TextToDecimal(std::string_view text) {
  const std::string s(text);
  const double v = std::strtod(s.c_str(), nullptr);
  return std::isfinite(v) ? v : 0.0;
}

std::string ExactDecimalText(double v) {
  char text[400];
  for (int decimals = 2; decimals <= 6; ++decimals) {
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    if (std::strtod(text, nullptr) == v) return text;
  }
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

bool IsNumericText(std::string_view text) {
  if (text.empty() || text == "." || text == "-.") return false;
  std::size_t dots = 0;
  std::size_t i = text.front() == '-' ? 1 : 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.') {
      if (++dots > 1) return false;
    } else if (c < '0' || c > '9') {
      return false;
    }
  }
  return true;
}

namespace {

bool IntegerWithin(std::string_view text, int lower, int upper) {
  if (text.empty()) return true;
  const int v = TextToInteger(text);
  return v >= lower && v <= upper;
}

}  // namespace

// Day and month take 0 while typing (the first digit of "05").
bool AcceptsDay(std::string_view text) { return IntegerWithin(text, 0, kDayRange.max); }
bool AcceptsMonth(std::string_view text) { return IntegerWithin(text, 0, kMonthRange.max); }
bool AcceptsHour(std::string_view text) { return IntegerWithin(text, kHourRange.min, kHourRange.max); }

bool AcceptsYear(std::string_view text) {
  if (text.empty() || text == "-") return true;
  // The digits themselves, not the width of what strtod reads: that let "1e3x", "0xFFFFF" and
  // a leading zero before more digits than a double holds pass.
  const std::string_view digits = text.front() == '-' ? text.substr(1) : text;
  if (digits.empty() || (digits.size() > 1 && digits.front() == '0')) return false;
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool AcceptsMinute(std::string_view text) {
  if (text.empty()) return true;
  if (!IsNumericText(text) || text == "-") return false;
  const double v = TextToDecimal(text);
  return v >= 0.0 && v <= kMinuteEditMax;
}

bool AcceptsLongitude(std::string_view text) {
  if (text.empty()) return true;
  if (!IsNumericText(text)) return false;
  const double v = TextToDecimal(text);
  return IsLongitudeInRange(v);
}

bool AcceptsLatitude(std::string_view text) {
  if (text.empty()) return true;
  if (!IsNumericText(text)) return false;
  const double v = TextToDecimal(text);
  return IsLatitudeInRange(v);
}

}  // namespace caelix

#include "chart/input_rules.h"

#include <cctype>

namespace caelix {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

std::optional<HouseSystemInfo> HouseSystemNamed(std::string_view text) {
  for (const HouseSystemInfo& h : kHouseSystems) {
    if (SameIgnoringCase(text, h.name) || SameIgnoringCase(text, std::string_view(&h.code, 1))) return h;
  }
  return std::nullopt;
}

std::string HouseSystemCodesText() {
  std::string text;
  for (std::size_t i = 0; i < kHouseSystems.size(); ++i) {
    if (i > 0) text += i + 1 == kHouseSystems.size() ? " or " : ", ";
    text += kHouseSystems[i].code;
  }
  return text;
}

std::string HouseSystemChoicesText() {
  std::string text;
  for (const HouseSystemInfo& h : kHouseSystems) {
    for (const char c : h.name) text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    text += ", ";
  }
  return text + HouseSystemCodesText();
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (!kMonthRange.Contains(month)) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

}  // namespace caelix

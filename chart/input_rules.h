#pragma once
// What a chart input may hold, written once: the ranges of the date, time and place, the house
// systems with their codes and names, and the calendar reform. The main dialog's validators, the
// stored files and every parser of the command line ask here.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace caelix {

// A closed range of whole numbers.
struct WholeRange {
  int min;
  int max;
  constexpr bool Contains(double v) const { return v >= min && v <= max; }
};

inline constexpr WholeRange kDayRange{1, 31};
inline constexpr WholeRange kMonthRange{1, 12};
inline constexpr WholeRange kHourRange{0, 23};  // of Universal Time
// The years date stepping reaches from a typed year, and so the years a stored input may hold.
inline constexpr WholeRange kSteppedYearRange{-999999, 999999};

// The minute of the hour: 0 <= minute < 60 (a fraction allowed). The main dialog's minute edit
// takes at most kMinuteEditMax.
inline constexpr double kMinuteLimit = 60.0;
inline constexpr double kMinuteEditMax = 59.0;
constexpr bool IsMinuteInRange(double minute) { return minute >= 0.0 && minute < kMinuteLimit; }

// Longitude in degrees, east positive: -360 to 360, both included.
inline constexpr double kLongitudeLimitDeg = 360.0;
inline constexpr std::string_view kLongitudeRangeText = "from -360 to 360";
constexpr bool IsLongitudeInRange(double longitudeDeg) {
  return longitudeDeg >= -kLongitudeLimitDeg && longitudeDeg <= kLongitudeLimitDeg;
}

// Latitude in degrees, north positive: strictly between -66 and 66, where the house cusps of
// every system exist.
inline constexpr double kLatitudeLimitDeg = 66.0;
inline constexpr std::string_view kLatitudeRangeText = "strictly between -66 and 66";
constexpr bool IsLatitudeInRange(double latitudeDeg) {
  return latitudeDeg > -kLatitudeLimitDeg && latitudeDeg < kLatitudeLimitDeg;
}

// The place a first run starts from, and that stands wherever no stored place is read.
inline constexpr double kDefaultLongitude = 14.417;
inline constexpr double kDefaultLatitude = 50.083;

// One house system: its index in the main dialog's choice box and in the house file, the code
// character the computation receives, and its name.
struct HouseSystemInfo {
  int index;
  char code;
  std::string_view name;
};

// The house systems in choice-box order; the first is the default.
inline constexpr std::array<HouseSystemInfo, 3> kHouseSystems = {{
    {0, 'P', "Placidus"},
    {1, 'C', "Campanus"},
    {2, 'K', "Koch"},
}};

// Returns the house system of a choice-box index; any other index (no selection) gives Placidus.
constexpr const HouseSystemInfo& HouseSystemOf(int houseIndex) {
  for (const HouseSystemInfo& h : kHouseSystems) {
    if (h.index == houseIndex) return h;
  }
  return kHouseSystems[0];
}

// True for a choice-box index that names a house system (0 to 2).
constexpr bool IsHouseIndex(int houseIndex) { return houseIndex >= 0 && houseIndex < int{kHouseSystems.size()}; }

// Returns the house system of a code character 'P', 'C' or 'K', or nothing for any other.
constexpr std::optional<HouseSystemInfo> HouseSystemOfCode(char code) {
  for (const HouseSystemInfo& h : kHouseSystems) {
    if (h.code == code) return h;
  }
  return std::nullopt;
}

// True when a and b hold the same ASCII letters but for case: how every name a person types is
// compared (house systems, pages).
bool SameIgnoringCase(std::string_view a, std::string_view b);

// Returns the house system named by text: its name or its code, in any case ("koch", "K", "k").
std::optional<HouseSystemInfo> HouseSystemNamed(std::string_view text);

// Returns the codes as a person reads them: "P, C or K".
std::string HouseSystemCodesText();

// Returns the names in lower case and the codes: "placidus, campanus, koch, P, C or K".
std::string HouseSystemChoicesText();

// The calendar reform: the Julian calendar up to 4 October 1582, the Gregorian from 15 October.
inline constexpr int kReformYear = 1582;
inline constexpr int kReformMonth = 10;
inline constexpr int kReformDay = 15;

// True when a date (day with its fraction, month, astronomical year) is counted in the Gregorian
// calendar: from 1583, or 1582 after October, or October 1582 after the 15th 0h, as the Julian
// day of Meeus' method takes it.
constexpr bool IsGregorianDate(double day, double month, double year) {
  return year >= kReformYear + 1 || (year == kReformYear && (month == kReformMonth + 1 || month == kReformMonth + 2 ||
                                                             (month == kReformMonth && day > kReformDay)));
}

// True when a year is a leap year: every fourth in the Julian calendar (up to 1582), and in the
// Gregorian one (from 1583) but the centuries not divisible by 400.
constexpr bool IsLeapYear(int year) {
  const bool divisibleBy4 = year % 4 == 0;
  return year <= kReformYear ? divisibleBy4 : (divisibleBy4 && (year % 100 != 0 || year % 400 == 0));
}

// Returns the number of days of month 1-12 of an astronomical year; 0 for any other month.
int DaysInMonth(int year, int month);

}  // namespace caelix

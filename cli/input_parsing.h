#pragma once
// Parsing and range checks of the chart input as the command line takes it: the same ranges
// as the main dialog's edits. Each parser returns an error text naming what is accepted, with the
// refused text cut short and escaped (QuotedEcho).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "chart/input_rules.h"

namespace caelix {

struct ParsedDate {
  int year;  // astronomical, -9999 to 99999
  int month;
  int day;
};

struct ParsedTime {
  int hour;
  double minute;  // 0 <= minute < 60, seconds folded in as a fraction
};

// A value or the reason it was refused.
template <typename T>
struct Parsed {
  std::optional<T> value;
  std::string error;  // what is accepted, when value is empty
};

// YYYY-MM-DD with an astronomical year of up to five characters, sign included ("-44-03-15",
// "-0044-03-15"), month 1-12 and day 1 to the month's length.
Parsed<ParsedDate> ParseDate(std::string_view text);

// HH:MM, HH:MM.fraction or HH:MM:SS (UT, or the local clock with a zone): hour 0-23, minute 0 <= m < 60, second 0 <= s
// < 60.
Parsed<ParsedTime> ParseTime(std::string_view text);

// A plain decimal number (no exponent, no infinity or NaN), the whole text; -0 gives 0.
std::optional<double> ParseDecimal(std::string_view text);

// Longitude in degrees, east positive, within the input rules' range, in any form ParseCoordinate
// reads (-3.7038, 3°42'W, 3W42).
Parsed<double> ParseLongitude(std::string_view text);

// Latitude in degrees, north positive, -90 to 90, in any form ParseCoordinate reads (40.4168,
// 40°25'N, 40N25); whether the house system allows it is CheckLatitudeForHouses' question.
Parsed<double> ParseLatitude(std::string_view text);

// The latitudes the command line and batch take for a house system (IsLatitudeAllowedFor):
// returns the refusal, naming why and suggesting Campanus within the polar circles, or nothing.
std::optional<std::string> CheckLatitudeForHouses(double latitudeDeg, int houseIndex);

// The longest --place or --tz text (a place's column or tz column), in bytes.
inline constexpr std::size_t kMaxPlaceBytes = 200;

// Returns the refusal of a place or zone text (what: "place name", "zone") that an error message
// would otherwise repeat as given: not printable UTF-8, or longer than kMaxPlaceBytes; or nothing.
std::optional<std::string> CheckPlaceOrZoneText(std::string_view text, std::string_view what);

// A house system by name or code, in any case (HouseSystemNamed); returns the choice-box index.
Parsed<int> ParseHouseSystem(std::string_view text);

}  // namespace caelix

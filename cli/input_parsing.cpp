#include "cli/input_parsing.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "chart/chart_input.h"
#include "cli/echoed_text.h"
#include "places/coordinates.h"

namespace caelix {

namespace {

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An unsigned integer of at most maxDigits digits, the whole text.
std::optional<int> ParseUnsigned(std::string_view s, std::size_t maxDigits) {
  if (!AllDigits(s) || s.size() > maxDigits) return std::nullopt;
  int v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

std::string Quoted(std::string_view s) { return QuotedEcho(s); }

}  // namespace

Parsed<ParsedDate> ParseDate(std::string_view text) {
  const std::string accepted = Quoted(text) +
                               " is not a date YYYY-MM-DD (astronomical year -9999 to 99999, "
                               "month 1-12, day 1 to the month's length)";
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view rest = negative ? text.substr(1) : text;
  const std::size_t first = rest.find('-');
  const std::size_t second = first == std::string_view::npos ? first : rest.find('-', first + 1);
  if (second == std::string_view::npos) return {std::nullopt, accepted};

  const std::string_view yearText = rest.substr(0, first);
  // Five characters at most, as in the main dialog's year edit: -9999 to 99999.
  const auto y = ParseUnsigned(yearText, negative ? 4 : 5);
  const auto m = ParseUnsigned(rest.substr(first + 1, second - first - 1), 2);
  const auto d = ParseUnsigned(rest.substr(second + 1), 2);
  if (!y || !m || !d) return {std::nullopt, accepted};
  const int year = negative ? -*y : *y;
  if (!kMonthRange.Contains(*m) || *d < 1 || *d > DaysInMonth(year, *m)) return {std::nullopt, accepted};
  return {ParsedDate{year, *m, *d}, {}};
}

Parsed<ParsedTime> ParseTime(std::string_view text) {
  const std::string accepted = Quoted(text) +
                               " is not a time HH:MM, HH:MM.fraction or HH:MM:SS "
                               "(hour 0-23, minute and second 0 to under 60)";
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return {std::nullopt, accepted};
  const auto hour = ParseUnsigned(text.substr(0, colon), 2);
  std::string_view rest = text.substr(colon + 1);
  const std::size_t colon2 = rest.find(':');
  double minute = 0.0;
  if (colon2 == std::string_view::npos) {
    const std::size_t dot = rest.find('.');
    const std::string_view whole = rest.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : rest.substr(dot + 1);
    if (whole.size() != 2 || !AllDigits(whole) || (dot != std::string_view::npos && !AllDigits(fraction))) {
      return {std::nullopt, accepted};
    }
    const auto v = ParseDecimal(rest);
    if (!v) return {std::nullopt, accepted};
    minute = *v;
  } else {
    const auto m = ParseUnsigned(rest.substr(0, colon2), 2);
    const std::string_view secText = rest.substr(colon2 + 1);
    const auto s = ParseUnsigned(secText, 2);
    if (!m || !s || rest.substr(0, colon2).size() != 2 || secText.size() != 2 || *s >= 60) {
      return {std::nullopt, accepted};
    }
    minute = *m + *s / 60.0;
  }
  if (!hour || !kHourRange.Contains(*hour) || !IsMinuteInRange(minute)) return {std::nullopt, accepted};
  return {ParsedTime{*hour, minute}, {}};
}

std::optional<double> ParseDecimal(std::string_view text) {
  if (text.empty() || text.size() > 64) return std::nullopt;
  for (char c : text) {
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+')) return std::nullopt;
  }
  if (text.front() == '+') text.remove_prefix(1);
  double v = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
  if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
  return v + 0.0;  // -0 reads as 0, so that no "-0.00" is ever printed
}

Parsed<double> ParseLongitude(std::string_view text) {
  const ParsedCoordinate c = ParseCoordinate(text, CoordinateAxis::Longitude);
  if (c.valueDeg && !IsLongitudeInRange(*c.valueDeg)) {
    return {std::nullopt, Quoted(text) + " is not a longitude in degrees " + std::string(kLongitudeRangeText)};
  }
  return {c.valueDeg, c.error};
}

Parsed<double> ParseLatitude(std::string_view text) {
  const ParsedCoordinate c = ParseCoordinate(text, CoordinateAxis::Latitude);
  return {c.valueDeg, c.error};
}

std::optional<std::string> CheckLatitudeForHouses(double latitudeDeg, int houseIndex) {
  if (IsLatitudeAllowedFor(latitudeDeg, houseIndex)) return std::nullopt;
  char value[32];
  std::snprintf(value, sizeof value, "%.4f", latitudeDeg);
  const HouseSystemInfo& houses = HouseSystemOf(houseIndex);
  if (houses.code == kPolarHouseSystemCode) {
    return std::string("latitude ") + value + " is not " + std::string(kPolarLatitudeRangeText) +
           ", where no house system is defined";
  }
  return std::string("latitude ") + value + " is not " + std::string(kLatitudeRangeText) + ": " +
         std::string(houses.name) +
         " cusps are undefined within the polar circles, where some degrees of the ecliptic never rise; " +
         std::string(HouseSystemOfCode(kPolarHouseSystemCode)->name) + " is defined there (--houses " +
         std::string(1, kPolarHouseSystemCode) + ")";
}

std::optional<std::string> CheckPlaceOrZoneText(std::string_view text, std::string_view what) {
  if (text.size() <= kMaxPlaceBytes && IsPrintableUtf8(text)) return std::nullopt;
  return Quoted(text) + " is not a " + std::string(what) + " (printable UTF-8 text of at most " +
         std::to_string(kMaxPlaceBytes) + " bytes)";
}

Parsed<int> ParseHouseSystem(std::string_view text) {
  if (const auto h = HouseSystemNamed(text)) return {h->index, {}};
  return {std::nullopt, Quoted(text) + " is not a house system (" + HouseSystemChoicesText() + ")"};
}

}  // namespace caelix

#include "places/clock_zone.h"

#include <date/tz.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace caelix {

namespace {

constexpr int kMaxOffsetHours = 15;

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::optional<int> Digits(std::string_view s) {
  if (s.empty() || s.size() > 2 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

// "+05:30", "-3", "+0530", "5" after the UTC/UT/GMT prefix (sign required when there is no prefix).
std::optional<int> OffsetSeconds(std::string_view s) {
  if (s.empty() || (s.front() != '+' && s.front() != '-')) return std::nullopt;
  const int sign = s.front() == '-' ? -1 : 1;
  s.remove_prefix(1);
  std::optional<int> hours;
  std::optional<int> minutes = 0;
  if (const std::size_t colon = s.find(':'); colon != std::string_view::npos) {
    hours = Digits(s.substr(0, colon));
    minutes = s.size() - colon - 1 == 2 ? Digits(s.substr(colon + 1)) : std::nullopt;
  } else if (s.size() == 4) {
    hours = Digits(s.substr(0, 2));
    minutes = Digits(s.substr(2));
  } else {
    hours = Digits(s);
  }
  if (!hours || !minutes || *minutes > 59 || *hours * 60 + *minutes > kMaxOffsetHours * 60) return std::nullopt;
  return sign * (*hours * 3600 + *minutes * 60);
}

ParsedZone Fixed(int offsetSeconds) {
  ParsedZone p;
  p.ok = true;
  p.zone.kind = ZoneKind::Fixed;
  p.zone.offsetSeconds = offsetSeconds;
  p.zone.name = offsetSeconds == 0 ? "UT" : "UTC" + FormatOffset(offsetSeconds);
  return p;
}

}  // namespace

std::string FormatOffset(double offsetSeconds) {
  const long total = std::lround(std::fabs(offsetSeconds));
  char text[32];
  const char sign = offsetSeconds < 0 && total != 0 ? '-' : '+';
  if (total % 60 == 0) {
    std::snprintf(text, sizeof text, "%c%02ld:%02ld", sign, total / 3600, total / 60 % 60);
  } else {
    std::snprintf(text, sizeof text, "%c%02ld:%02ld:%02ld", sign, total / 3600, total / 60 % 60, total % 60);
  }
  return text;
}

ParsedZone ParseClockZone(std::string_view text) {
  ParsedZone p;
  for (const char* utc : {"UT", "UTC", "GMT", "Z"}) {
    if (EqualNoCase(text, utc)) return Fixed(0);
  }
  if (EqualNoCase(text, "LMT")) {
    p.ok = true;
    p.zone.kind = ZoneKind::LocalMeanTime;
    p.zone.name = "LMT";
    return p;
  }
  for (const char* prefix : {"UTC", "UT", "GMT"}) {
    const std::size_t n = std::string_view(prefix).size();
    if (text.size() > n && EqualNoCase(text.substr(0, n), prefix) && (text[n] == '+' || text[n] == '-')) {
      if (const auto s = OffsetSeconds(text.substr(n))) return Fixed(*s);
    }
  }
  if (const auto s = OffsetSeconds(text)) return Fixed(*s);

  std::string bad = "'";
  bad.append(text);
  bad +=
      "' is not a time zone: UT, a fixed offset (+05:30, UTC-3, up to 15 hours), LMT, or an IANA zone name such "
      "as Europe/Madrid";
  if (text.empty() || text.size() > 64 || text.front() == '+' || text.front() == '-') {
    p.error = bad;
    return p;
  }
  // The system database lists each file of /usr/share/zoneinfo, links included, as a zone.
  const date::tzdb& db = date::get_tzdb();
  const std::string wanted(text);
  for (const date::time_zone& z : db.zones) {
    if (EqualNoCase(z.name(), wanted)) {
      p.ok = true;
      p.zone.kind = ZoneKind::Named;
      p.zone.name = z.name();
      return p;
    }
  }
  p.error = bad;
  return p;
}

}  // namespace caelix

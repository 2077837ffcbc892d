#pragma once
// What a --tz value (or the dialog's zone field) names: Universal Time, a fixed offset, local mean
// time, or a zone of the IANA database.
#include <string>
#include <string_view>

namespace caelix {

enum class ZoneKind { Fixed, LocalMeanTime, Named };

struct ClockZone {
  ZoneKind kind = ZoneKind::Fixed;
  int offsetSeconds = 0;  // Fixed: local clock minus UT
  std::string name;       // Named: the IANA name ("Europe/Madrid"); Fixed: "UT" or "UTC+05:30"; "LMT"
};

// A zone or the reason it was refused.
struct ParsedZone {
  bool ok = false;
  ClockZone zone;
  std::string error;
};

// Parses a zone: "UT", "UTC", "GMT" or "Z" (offset 0); a fixed offset "+05:30", "-3", "+0530",
// "UTC-3", "UT+5:30", "GMT+1" (east of Greenwich positive, up to 15 hours, minutes 0-59); "LMT"
// (the birth place's mean time from its longitude); or an IANA zone name, checked against the
// system's database (any case: "europe/madrid" gives "Europe/Madrid").
ParsedZone ParseClockZone(std::string_view text);

// Returns "+02:00", "-03:30", "+00:00" for an offset in seconds; seconds are shown when not zero
// ("-00:14:44").
std::string FormatOffset(double offsetSeconds);

}  // namespace caelix

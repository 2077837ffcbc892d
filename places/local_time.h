#pragma once
// Local clock time to Universal Time with the zone's history from the IANA database.
#include <array>
#include <string>

#include "places/clock_zone.h"

namespace caelix {

// A calendar date and clock time in the calendar of the chart (Julian up to 4 October 1582,
// Gregorian from 15 October), astronomical year.
struct ClockTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  double minute = 0.0;  // 0 <= minute < 60, seconds as fraction
};

// How the zone read the clock at one instant.
struct ZoneReading {
  double offsetSeconds = 0.0;  // local clock minus UT
  bool daylightSaving = false;
  bool localMeanTime = false;  // the place's mean time from its longitude (before standard time)
  std::string abbreviation;    // "CEST", "LMT", "UTC+05:30"
  ClockTime ut;                // the UT this reading gives
};

// A local time that occurs twice (clocks went back) or never (clocks jumped forward) has two
// readings; Refuse leaves the choice to the person, Earlier and Later take the earlier or the
// later of the two UT instants.
enum class ClockChoice { Refuse, Earlier, Later };

enum class ClockStatus { Unique, Repeated, Skipped, Error };

struct LocalToUtResult {
  ClockStatus status = ClockStatus::Error;
  ZoneReading reading;                // what was used, when status is Unique or a choice was given
  std::array<ZoneReading, 2> both{};  // Repeated or Skipped: the earlier then the later UT
  bool chosen = false;                // a Repeated or Skipped time resolved by the choice
  std::string error;                  // Error, or a refused Repeated or Skipped time: the message
};

// Converts a local clock time in a zone to UT. A named zone is read through Howard Hinnant's
// date/tz over the system's tzdata (/usr/share/zoneinfo), with its offsets and daylight saving for
// that date. Where the database has local mean time (LMT, before the zone's first standard time)
// and for the zone "LMT", the offset is the birth place's own, longitudeDeg / 15 hours (east
// positive, taken modulo 360 into -180 to 180), not that of the zone's reference city.
// A repeated or skipped clock time is refused (status Repeated or Skipped, error naming both
// readings) unless choice picks one. Years before 1 and after 9999 are refused for a named zone.
LocalToUtResult LocalToUt(const ClockTime& local, const ClockZone& zone, double longitudeDeg, ClockChoice choice);

// Returns the tzdata version of the system's database ("2025b"), or "unknown", as read at its first call.
std::string TzdataVersion();

// Returns "YYYY-MM-DD HH:MM[:SS]" of a clock time (seconds shown when not whole minutes, rounded
// to the second).
std::string FormatClockTime(const ClockTime& t);

}  // namespace caelix

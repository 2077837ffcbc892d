#pragma once
// Birth data as people have it (a local date and clock time, a town or coordinates, a zone)
// resolved into the UT and the coordinates the chart needs, with what was done to get there.
// One resolver for the command line, batch and the dialogs' helper.
#include <optional>
#include <string>

#include "places/atlas.h"
#include "places/local_time.h"

namespace caelix {

struct BirthDataRequest {
  ClockTime local;                       // the date and clock time as given
  std::optional<std::string> place;      // an atlas query: "Madrid", "Springfield, IL"
  std::optional<std::string> zone;       // a --tz text; when absent, the place's zone, else UT
  std::optional<std::string> longitude;  // coordinate texts; they override the place's
  std::optional<std::string> latitude;
  std::optional<double> fallbackLongitudeDeg;  // when neither a place nor a longitude is given
  std::optional<double> fallbackLatitudeDeg;
  ClockChoice choice = ClockChoice::Refuse;
};

struct ResolvedBirthData {
  ClockTime ut;
  double longitudeDeg = 0.0;
  double latitudeDeg = 0.0;
  ClockTime local;
  std::string zoneName;  // "Europe/Madrid", "UT", "UTC+05:30", "LMT"
  ZoneReading reading;
  bool chosen = false;              // a repeated or skipped time resolved by the choice
  std::optional<AtlasPlace> place;  // when the atlas was used
};

// A resolution or the reason it failed.
struct BirthDataResult {
  std::optional<ResolvedBirthData> value;
  // Starts with the field at fault: "place: ", "tz: ", "lon: ", "lat: ", "time: ", or "clock: " for
  // a repeated or skipped clock time.
  std::string error;
};

// Resolves a request: the local date and time checked against the chart's calendar, the place through the embedded
// atlas (a whole-name match is required; otherwise the error lists up to five names it begins), the coordinates through
// ParseCoordinate, the zone through ParseClockZone, and the local time to UT through LocalToUt. A repeated or skipped
// time without a choice is an error naming both readings.
BirthDataResult ResolveBirthData(const BirthDataRequest& request);

// Returns the lines that name what was done, for the text output: "Place: ..." when the atlas was
// used, then "Local time: 1985-07-14 09:20 Europe/Madrid (CEST, +02:00, daylight saving) is
// 1985-07-14 07:20 UT", saying when local mean time was used and when a choice resolved the time.
std::string DescribeBirthData(const ResolvedBirthData& birth);

}  // namespace caelix

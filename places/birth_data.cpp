#include "places/birth_data.h"

#include <cmath>
#include <cstdio>

#include "chart/time_scales.h"
#include "places/clock_zone.h"
#include "places/coordinates.h"

namespace caelix {

namespace {

constexpr std::size_t kSuggestions = 5;

BirthDataResult Failure(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

BirthDataResult ResolveBirthData(const BirthDataRequest& request) {
  // A date the calendar has: the Julian day reads back to the same day, month and year.
  const ClockTime& t = request.local;
  const CalendarDateValue back = CalendarDate(JulianDay(t.day, t.month, t.year));
  if (t.month < 1 || t.month > 12 || t.day < 1 || back.day != t.day || back.month != t.month || back.year != t.year ||
      t.hour < 0 || t.hour > 23 || !(t.minute >= 0.0 && t.minute < 60.0)) {
    return Failure("time: " + FormatClockTime(t) + " is not a date and time of the calendar");
  }
  ResolvedBirthData birth;
  birth.local = request.local;
  std::optional<std::string> zoneText = request.zone;
  if (request.place) {
    const std::vector<AtlasMatch> found = Atlas::Embedded().Find(*request.place, kSuggestions);
    if (found.empty() || !found.front().exact) {
      std::string error = "place: no place of the atlas is named '" + *request.place + "'";
      if (!found.empty()) {
        error += "; names that begin so:";
        for (const AtlasMatch& m : found) {
          error += " ";
          error.append(m.place.name);
          error += ", ";
          error.append(m.place.countryCode);
          error += ";";
        }
        error.pop_back();
      }
      return Failure(error + " (see caelix places)");
    }
    birth.place = found.front().place;
    birth.longitudeDeg = birth.place->longitudeDeg;
    birth.latitudeDeg = birth.place->latitudeDeg;
    if (!zoneText) zoneText = std::string(birth.place->zone);
  } else {
    birth.longitudeDeg = request.fallbackLongitudeDeg.value_or(0.0);
    birth.latitudeDeg = request.fallbackLatitudeDeg.value_or(0.0);
  }
  if (request.longitude) {
    const ParsedCoordinate lon = ParseCoordinate(*request.longitude, CoordinateAxis::Longitude);
    if (!lon.valueDeg) return Failure("lon: " + lon.error);
    birth.longitudeDeg = *lon.valueDeg;
  }
  if (request.latitude) {
    const ParsedCoordinate lat = ParseCoordinate(*request.latitude, CoordinateAxis::Latitude);
    if (!lat.valueDeg) return Failure("lat: " + lat.error);
    birth.latitudeDeg = *lat.valueDeg;
  }
  const ParsedZone zone = ParseClockZone(zoneText.value_or("UT"));
  if (!zone.ok) return Failure("tz: " + zone.error);
  birth.zoneName = zone.zone.name;
  const LocalToUtResult r = LocalToUt(request.local, zone.zone, birth.longitudeDeg, request.choice);
  if (r.status == ClockStatus::Error || (r.status != ClockStatus::Unique && !r.chosen)) {
    return Failure((r.status == ClockStatus::Error ? "time: " : "clock: ") + r.error);
  }
  birth.reading = r.reading;
  birth.chosen = r.chosen;
  birth.ut = r.reading.ut;
  return {birth, {}};
}

std::string DescribeBirthData(const ResolvedBirthData& birth) {
  std::string text;
  if (birth.place) text += "Place: " + DescribePlace(*birth.place) + "\n";
  text += "Local time: " + FormatClockTime(birth.local) + " " + birth.zoneName + " (";
  const ZoneReading& z = birth.reading;
  if (z.localMeanTime) {
    char lon[48];
    std::snprintf(lon, sizeof lon, "%.4f %c", std::fabs(birth.longitudeDeg), birth.longitudeDeg < 0 ? 'W' : 'E');
    text += "local mean time of longitude " + std::string(lon) + ", " + FormatOffset(z.offsetSeconds);
  } else {
    text += z.abbreviation + ", " + FormatOffset(z.offsetSeconds);
    if (z.daylightSaving) text += ", daylight saving";
  }
  text += ") is " + FormatClockTime(birth.ut) + " UT";
  if (birth.chosen) text += " (one of two readings, as chosen)";
  return text + "\n";
}

}  // namespace caelix

#include "places/local_time.h"

#include <date/tz.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <vector>

#include "chart/time_scales.h"

namespace caelix {

namespace {

constexpr double kUnixEpochJd = 2440587.5;  // 1970 January 1, 0h
constexpr int kFirstZoneYear = 1;
constexpr int kLastZoneYear = 9999;

// Returns the local mean time offset of a longitude in seconds: 240 s per degree east, the
// longitude taken into -180 to 180.
double MeanTimeOffsetSeconds(double longitudeDeg) {
  double lon = std::fmod(longitudeDeg, 360.0);
  if (lon > 180.0) lon -= 360.0;
  if (lon < -180.0) lon += 360.0;
  return lon * 240.0;
}

// Returns the clock time `seconds` after 0h of the day with Julian day jd0 (at 0h), in the
// chart's calendar; seconds may be negative or beyond a day.
ClockTime ShiftedClock(double jd0, double seconds) {
  const double dayShift = std::floor(seconds / 86400.0);
  const double rest = seconds - dayShift * 86400.0;
  const CalendarDateValue d = CalendarDate(jd0 + dayShift);
  ClockTime t;
  t.year = static_cast<int>(d.year);
  t.month = static_cast<int>(d.month);
  t.day = static_cast<int>(d.day);
  t.hour = static_cast<int>(rest / 3600.0);
  t.minute = (rest - t.hour * 3600.0) / 60.0;
  if (t.minute >= 60.0) t.minute = std::nextafter(60.0, 0.0);  // rounding at the day's last instant
  return t;
}

struct Candidate {
  ZoneReading reading;
  double utSeconds;  // of the clock time on the looked-up day, since 1970-01-01 0h UT
};

// The reading of a clock time localSeconds after 0h of the day jd0 with an offset; lookupJd0 is
// the day the zone was asked about.
Candidate Reading(double jd0, double lookupJd0, double localSeconds, double offsetSeconds) {
  Candidate c;
  c.reading.offsetSeconds = offsetSeconds;
  c.reading.ut = ShiftedClock(jd0, localSeconds - offsetSeconds);
  c.utSeconds = (lookupJd0 - kUnixEpochJd) * 86400.0 + localSeconds - offsetSeconds;
  return c;
}

// The system's database, as date/tz reads it, lists transitions up to 2037 only, and the zone's
// rule for the years after it (the POSIX TZ footer) is not read. After 2037 the zone is therefore
// asked about the same month and day of the year of 2010 to 2037 that starts on the same weekday
// and has the same length: the rules of the last listed years go on, as the footer says.
// Returns the shift in days from the date to that one (0 up to 2037).
double LookupYearShiftDays(int year) {
  constexpr int kLastListedYear = 2037;
  constexpr int kFirstRuleYear = 2010;
  if (year <= kLastListedYear) return 0.0;
  const auto jan1 = [](int y) { return date::sys_days{date::year{y} / 1 / 1}; };
  const date::weekday weekday{jan1(year)};
  const bool leap = date::year{year}.is_leap();
  for (int y = kLastListedYear; y >= kFirstRuleYear; --y) {
    if (date::year{y}.is_leap() == leap && date::weekday{jan1(y)} == weekday) {
      return static_cast<double>((jan1(y) - jan1(year)).count());
    }
  }
  return 0.0;
}

LocalToUtResult Unique(const Candidate& c) {
  LocalToUtResult r;
  r.status = ClockStatus::Unique;
  r.reading = c.reading;
  return r;
}

std::string ClockOfDay(const ClockTime& t) {
  char text[64];
  const long s = std::clamp(std::lround(t.minute * 60.0), 0L, 3599L);
  if (s % 60 == 0) {
    std::snprintf(text, sizeof text, "%02d:%02ld", t.hour, s / 60);
  } else {
    std::snprintf(text, sizeof text, "%02d:%02ld:%02ld", t.hour, s / 60, s % 60);
  }
  return text;
}

std::string Describe(const ZoneReading& z) {
  std::string text = ClockOfDay(z.ut) + " UT (" + z.abbreviation + ", " + FormatOffset(z.offsetSeconds);
  if (z.daylightSaving) text += ", daylight saving";
  return text + ")";
}

// The two readings of a repeated or skipped time, earlier UT first, and the choice or the refusal.
LocalToUtResult TwoReadings(ClockStatus status, Candidate a, Candidate b, const ClockTime& local,
                            const std::string& zoneName, ClockChoice choice) {
  if (b.utSeconds < a.utSeconds) std::swap(a, b);
  LocalToUtResult r;
  r.status = status;
  r.both = {a.reading, b.reading};
  if (choice != ClockChoice::Refuse) {
    r.chosen = true;
    r.reading = choice == ClockChoice::Earlier ? a.reading : b.reading;
    return r;
  }
  const std::string when = FormatClockTime(local);
  if (status == ClockStatus::Repeated) {
    r.error = when + " occurs twice in " + zoneName + " (the clocks went back): it is either " + Describe(a.reading) +
              " or " + Describe(b.reading);
  } else {
    r.error = when + " does not exist in " + zoneName + " (the clocks jumped forward from " +
              FormatOffset(b.reading.offsetSeconds) + " to " + FormatOffset(a.reading.offsetSeconds) +
              "): read with the offset before the jump it is " + Describe(b.reading) + ", with the offset after it " +
              Describe(a.reading);
  }
  return r;
}

LocalToUtResult Failure(std::string error) {
  LocalToUtResult r;
  r.status = ClockStatus::Error;
  r.error = std::move(error);
  return r;
}

LocalToUtResult NamedZoneToUt(const ClockTime& local, const std::string& zoneName, double longitudeDeg, double jd0,
                              double localSeconds, ClockChoice choice) {
  if (local.year < kFirstZoneYear || local.year > kLastZoneYear) {
    return Failure("the time-zone database covers the years 1 to 9999; give --tz LMT, UT or a fixed offset for " +
                   std::to_string(local.year));
  }
  const date::time_zone* zone = nullptr;
  try {
    zone = date::locate_zone(zoneName);
  } catch (const std::exception&) {
    return Failure("'" + zoneName + "' is not a zone of the system's time-zone database");
  }
  using std::chrono::seconds;
  // The zone is asked about the same clock time in the year whose calendar matches (after 2037).
  const double lookupJd0 = jd0 + LookupYearShiftDays(local.year);
  const auto dayCount = static_cast<long long>(std::llround(lookupJd0 - kUnixEpochJd));
  const date::local_seconds localTime{seconds{dayCount * 86400 + static_cast<long long>(std::floor(localSeconds))}};
  const date::local_info info = zone->get_info(localTime);

  // The periods whose reading could give this clock time: those the database names, and the one
  // after a local-mean-time period, since the place's own mean time differs from the city's.
  std::vector<date::sys_info> periods{info.first};
  if (info.result != date::local_info::unique) periods.push_back(info.second);
  for (std::size_t i = 0, n = periods.size(); i < n; ++i) {
    if (periods[i].abbrev == "LMT") {
      const date::sys_info next = zone->get_info(periods[i].end);
      if (next.begin != periods[i].begin) periods.push_back(next);
      const date::sys_info before = zone->get_info(periods[i].begin - seconds{1});
      if (before.begin != periods[i].begin) periods.push_back(before);
    }
  }
  std::vector<Candidate> valid;
  for (const date::sys_info& p : periods) {
    const bool lmt = p.abbrev == "LMT";
    const double offset = lmt ? MeanTimeOffsetSeconds(longitudeDeg) : static_cast<double>(p.offset.count());
    Candidate c = Reading(jd0, lookupJd0, localSeconds, offset);
    c.reading.abbreviation = p.abbrev;
    c.reading.localMeanTime = lmt;
    c.reading.daylightSaving = !lmt && p.save != std::chrono::minutes{0};
    const auto ut = static_cast<long long>(std::floor(c.utSeconds));
    const bool inPeriod = ut >= p.begin.time_since_epoch().count() && ut < p.end.time_since_epoch().count();
    bool seen = false;
    for (const Candidate& v : valid) seen = seen || v.utSeconds == c.utSeconds;
    if (inPeriod && !seen) valid.push_back(c);
  }
  if (valid.size() == 1) return Unique(valid.front());
  if (valid.size() >= 2) return TwoReadings(ClockStatus::Repeated, valid[0], valid[1], local, zoneName, choice);

  // No reading gives this clock time: the gap of a jump forward, between the offset before it
  // (the earlier period) and after it.
  std::vector<Candidate> all;
  for (const date::sys_info& p : periods) {
    const bool lmt = p.abbrev == "LMT";
    Candidate c = Reading(jd0, lookupJd0, localSeconds,
                          lmt ? MeanTimeOffsetSeconds(longitudeDeg) : static_cast<double>(p.offset.count()));
    c.reading.abbreviation = p.abbrev;
    c.reading.localMeanTime = lmt;
    c.reading.daylightSaving = !lmt && p.save != std::chrono::minutes{0};
    all.push_back(c);
  }
  if (all.size() < 2) return Failure(FormatClockTime(local) + " cannot be read in " + zoneName);
  return TwoReadings(ClockStatus::Skipped, all[0], all[1], local, zoneName, choice);
}

}  // namespace

LocalToUtResult LocalToUt(const ClockTime& local, const ClockZone& zone, double longitudeDeg, ClockChoice choice) {
  const double jd0 = JulianDay(local.day, local.month, local.year);
  const double localSeconds = local.hour * 3600.0 + local.minute * 60.0;
  switch (zone.kind) {
    case ZoneKind::Fixed: {
      Candidate c = Reading(jd0, jd0, localSeconds, zone.offsetSeconds);
      c.reading.abbreviation = zone.name;
      return Unique(c);
    }
    case ZoneKind::LocalMeanTime: {
      Candidate c = Reading(jd0, jd0, localSeconds, MeanTimeOffsetSeconds(longitudeDeg));
      c.reading.abbreviation = "LMT";
      c.reading.localMeanTime = true;
      return Unique(c);
    }
    case ZoneKind::Named:
      break;
  }
  return NamedZoneToUt(local, zone.name, longitudeDeg, jd0, localSeconds, choice);
}

std::string TzdataVersion() {
  // date/tz leaves the version of the system's database unread; tzdata.zi names it in its first
  // line. Read once: a batch writes it in every line.
  static const std::string version = [] {
    std::ifstream zi("/usr/share/zoneinfo/tzdata.zi");
    std::string line;
    constexpr std::string_view kPrefix = "# version ";
    if (std::getline(zi, line) && line.starts_with(kPrefix) && line.size() > kPrefix.size()) {
      return line.substr(kPrefix.size());
    }
    return std::string("unknown");
  }();
  return version;
}

std::string FormatClockTime(const ClockTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d ", t.year, t.month, t.day);
  return text + ClockOfDay(t);
}

}  // namespace caelix

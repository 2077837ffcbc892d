// Local clock time to UT: the expected offsets and readings are those of the system's own tzdata
// as zdump prints them (zdump -v -c FROM,TO ZONE), and the zdump comparison below checks every
// transition of a set of zones against zdump itself.
#include "places/local_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "places/clock_zone.h"

namespace caelix {
namespace {

ClockZone Zone(const std::string& text) {
  const ParsedZone p = ParseClockZone(text);
  EXPECT_TRUE(p.ok) << text << ": " << p.error;
  return p.zone;
}

struct ZoneCase {
  const char* what;
  const char* zone;
  ClockTime local;
  double longitudeDeg;
  const char* wantUt;  // FormatClockTime of the UT
  double wantOffsetSeconds;
  bool wantDaylight;
  bool wantLmt;
};

TEST(LocalToUt, AgreesWithZdumpOnTheDaysTheRulesChose) {
  const ZoneCase cases[] = {
      {"Madrid summer 1985 (the README example)",
       "Europe/Madrid",
       {1985, 7, 14, 9, 20},
       -3.7,
       "1985-07-14 07:20",
       7200,
       true,
       false},
      {"Madrid winter", "Europe/Madrid", {1985, 1, 14, 9, 20}, -3.7, "1985-01-14 08:20", 3600, false, false},
      {"Sydney summer (January)",
       "Australia/Sydney",
       {2020, 1, 15, 12, 0},
       151.2,
       "2020-01-15 01:00",
       39600,
       true,
       false},
      {"Sydney winter (July)",
       "Australia/Sydney",
       {2020, 7, 15, 12, 0},
       151.2,
       "2020-07-15 02:00",
       36000,
       false,
       false},
      {"Sao Paulo summer time 2018",
       "America/Sao_Paulo",
       {2018, 1, 15, 12, 0},
       -46.6,
       "2018-01-15 14:00",
       -7200,
       true,
       false},
      {"Sao Paulo without it from 2019",
       "America/Sao_Paulo",
       {2019, 12, 15, 12, 0},
       -46.6,
       "2019-12-15 15:00",
       -10800,
       false,
       false},
      {"Moscow summer time 2010", "Europe/Moscow", {2010, 7, 1, 12, 0}, 37.6, "2010-07-01 08:00", 14400, true, false},
      {"Moscow all-year +04 from 2011",
       "Europe/Moscow",
       {2012, 1, 15, 12, 0},
       37.6,
       "2012-01-15 08:00",
       14400,
       false,
       false},
      {"Moscow back to +03 in 2014",
       "Europe/Moscow",
       {2015, 1, 15, 12, 0},
       37.6,
       "2015-01-15 09:00",
       10800,
       false,
       false},
      {"Kolkata war time 1943", "Asia/Kolkata", {1943, 6, 1, 12, 0}, 88.4, "1943-06-01 05:30", 23400, true, false},
      {"Kolkata 1942 summer between war times",
       "Asia/Kolkata",
       {1942, 6, 1, 12, 0},
       88.4,
       "1942-06-01 06:30",
       19800,
       false,
       false},
      {"London double summer time 1941",
       "Europe/London",
       {1941, 6, 15, 12, 0},
       -0.1,
       "1941-06-15 10:00",
       7200,
       true,
       false},
      {"London summer time in the war's winter",
       "Europe/London",
       {1941, 1, 15, 12, 0},
       -0.1,
       "1941-01-15 11:00",
       3600,
       true,
       false},
      {"New York summer after 2037",
       "America/New_York",
       {2050, 7, 1, 12, 0},
       -74.0,
       "2050-07-01 16:00",
       -14400,
       true,
       false},
      {"New York winter after 2037",
       "America/New_York",
       {2050, 1, 1, 12, 0},
       -74.0,
       "2050-01-01 17:00",
       -18000,
       false,
       false},
      {"Madrid before standard time: the place's own mean time",
       "Europe/Madrid",
       {1850, 3, 1, 12, 0},
       -3.70256,
       "1850-03-01 12:14:49",
       -888.6144,
       false,
       true},
      {"Lyon in Paris' zone before 1891: Lyon's mean time",
       "Europe/Paris",
       {1880, 6, 1, 12, 0},
       4.85,
       "1880-06-01 11:40:36",
       1164,
       false,
       true},
      {"local midnight crossing the date line back a day",
       "Pacific/Auckland",
       {2000, 1, 1, 0, 30},
       174.8,
       "1999-12-31 11:30",
       46800,
       true,
       false},
      {"Julian calendar (1500 is a leap year there), mean time",
       "Europe/Rome",
       {1500, 3, 1, 0, 10},
       12.5,
       "1500-02-29 23:20",
       3000,
       false,
       true},
  };
  for (const ZoneCase& c : cases) {
    const LocalToUtResult r = LocalToUt(c.local, Zone(c.zone), c.longitudeDeg, ClockChoice::Refuse);
    ASSERT_EQ(r.status, ClockStatus::Unique) << c.what << ": " << r.error;
    EXPECT_EQ(FormatClockTime(r.reading.ut), c.wantUt) << c.what;
    EXPECT_NEAR(r.reading.offsetSeconds, c.wantOffsetSeconds, 1e-6)
        << c.what << ": want " << c.wantOffsetSeconds << " s, got " << r.reading.offsetSeconds << " s";
    EXPECT_EQ(r.reading.daylightSaving, c.wantDaylight) << c.what;
    EXPECT_EQ(r.reading.localMeanTime, c.wantLmt) << c.what;
  }
}

struct TransitionCase {
  const char* what;
  const char* zone;
  ClockTime local;
  ClockStatus status;
  const char* earlierUt;
  const char* laterUt;
};

TEST(LocalToUt, RefusesRepeatedAndSkippedTimesNamingBothReadingsAndResolvesOnRequest) {
  const TransitionCase cases[] = {
      {"Madrid spring gap",
       "Europe/Madrid",
       {2024, 3, 31, 2, 30},
       ClockStatus::Skipped,
       "2024-03-31 00:30",
       "2024-03-31 01:30"},
      {"Madrid autumn repeat",
       "Europe/Madrid",
       {2024, 10, 27, 2, 30},
       ClockStatus::Repeated,
       "2024-10-27 00:30",
       "2024-10-27 01:30"},
      {"Sydney April repeat",
       "Australia/Sydney",
       {2020, 4, 5, 2, 30},
       ClockStatus::Repeated,
       "2020-04-04 15:30",
       "2020-04-04 16:30"},
      {"Sydney October gap",
       "Australia/Sydney",
       {2020, 10, 4, 2, 30},
       ClockStatus::Skipped,
       "2020-10-03 15:30",
       "2020-10-03 16:30"},
      {"New York gap after 2037",
       "America/New_York",
       {2050, 3, 13, 2, 30},
       ClockStatus::Skipped,
       "2050-03-13 06:30",
       "2050-03-13 07:30"},
      {"Moscow 2014 repeat",
       "Europe/Moscow",
       {2014, 10, 26, 1, 30},
       ClockStatus::Repeated,
       "2014-10-25 21:30",
       "2014-10-25 22:30"},
  };
  for (const TransitionCase& c : cases) {
    const ClockZone zone = Zone(c.zone);
    const LocalToUtResult refused = LocalToUt(c.local, zone, 0.0, ClockChoice::Refuse);
    EXPECT_EQ(refused.status, c.status) << c.what;
    EXPECT_FALSE(refused.chosen) << c.what;
    const std::string earlier = std::string(c.earlierUt).substr(11);
    const std::string later = std::string(c.laterUt).substr(11);
    EXPECT_NE(refused.error.find(earlier + " UT"), std::string::npos) << c.what << ": " << refused.error;
    EXPECT_NE(refused.error.find(later + " UT"), std::string::npos) << c.what << ": " << refused.error;
    EXPECT_NE(refused.error.find(c.status == ClockStatus::Repeated ? "occurs twice" : "does not exist"),
              std::string::npos)
        << refused.error;

    const LocalToUtResult first = LocalToUt(c.local, zone, 0.0, ClockChoice::Earlier);
    const LocalToUtResult second = LocalToUt(c.local, zone, 0.0, ClockChoice::Later);
    EXPECT_TRUE(first.chosen && second.chosen) << c.what;
    EXPECT_EQ(FormatClockTime(first.reading.ut), c.earlierUt) << c.what;
    EXPECT_EQ(FormatClockTime(second.reading.ut), c.laterUt) << c.what;
  }
}

struct FixedCase {
  const char* text;
  const char* wantName;
  int wantOffsetSeconds;
};

TEST(ClockZone, AcceptsUtFixedOffsetsLmtAndZoneNames) {
  const FixedCase cases[] = {
      {"UT", "UT", 0},
      {"utc", "UT", 0},
      {"Z", "UT", 0},
      {"+05:30", "UTC+05:30", 19800},
      {"UTC-3", "UTC-03:00", -10800},
      {"-0330", "UTC-03:30", -12600},
      {"GMT+1", "UTC+01:00", 3600},
      {"UT+5:45", "UTC+05:45", 20700},
      {"+14", "UTC+14:00", 50400},
  };
  for (const FixedCase& c : cases) {
    const ParsedZone p = ParseClockZone(c.text);
    ASSERT_TRUE(p.ok) << c.text << ": " << p.error;
    EXPECT_EQ(p.zone.kind, ZoneKind::Fixed) << c.text;
    EXPECT_EQ(p.zone.name, c.wantName) << c.text;
    EXPECT_EQ(p.zone.offsetSeconds, c.wantOffsetSeconds) << c.text;
    const LocalToUtResult r = LocalToUt({2000, 1, 1, 12, 0}, p.zone, 99.0, ClockChoice::Refuse);
    EXPECT_NEAR(r.reading.offsetSeconds, c.wantOffsetSeconds, 0.0) << c.text;
  }
  EXPECT_EQ(ParseClockZone("europe/madrid").zone.name, "Europe/Madrid");
  EXPECT_EQ(ParseClockZone("LMT").zone.kind, ZoneKind::LocalMeanTime);
  for (const char* bad : {"", "+16", "+05:60", "UTC+", "Europe/Atlantis", "5:30", "+5:3", "UTC+05:30:00"}) {
    EXPECT_FALSE(ParseClockZone(bad).ok) << "'" << bad << "' was accepted";
    EXPECT_NE(ParseClockZone(bad).error.find("Europe/Madrid"), std::string::npos) << bad;
  }
}

TEST(LocalToUt, LocalMeanTimeZoneUsesTheBirthLongitude) {
  const LocalToUtResult r = LocalToUt({1985, 7, 14, 12, 0}, Zone("LMT"), -3.75, ClockChoice::Refuse);
  EXPECT_EQ(FormatClockTime(r.reading.ut), "1985-07-14 12:15");
  EXPECT_TRUE(r.reading.localMeanTime);
  // 350 degrees east is 10 degrees west.
  EXPECT_NEAR(LocalToUt({1985, 7, 14, 12, 0}, Zone("LMT"), 350.0, ClockChoice::Refuse).reading.offsetSeconds, -2400,
              1e-9);
}

TEST(LocalToUt, RefusesYearsOutsideTheDatabase) {
  const LocalToUtResult r = LocalToUt({12000, 1, 1, 0, 0}, Zone("Europe/Madrid"), 0.0, ClockChoice::Refuse);
  EXPECT_EQ(r.status, ClockStatus::Error);
  EXPECT_NE(r.error.find("1 to 9999"), std::string::npos) << r.error;
}

TEST(TzdataVersion, NamesTheSystemDatabase) {
  const std::string v = TzdataVersion();
  ASSERT_GE(v.size(), 5u) << v;
  EXPECT_TRUE(v[0] == '1' || v[0] == '2') << v;  // "2025b"
}

// One line of zdump -v: the UT instant, the local offset and abbreviation, daylight saving.
struct ZdumpLine {
  int year, month, day, hour, minute, second;
  std::string abbreviation;
  bool daylight;
  long offsetSeconds;
};

bool ParseZdumpLine(const std::string& line, ZdumpLine& z) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char zone[64], weekday[8], month[8], lw[8], lm[8], abbreviation[16];
  int lday, lh, lmin, ls, ly, isdst;
  long gmtoff;
  if (std::sscanf(line.c_str(), "%63s %7s %7s %d %d:%d:%d %d UT = %7s %7s %d %d:%d:%d %d %15s isdst=%d gmtoff=%ld",
                  zone, weekday, month, &z.day, &z.hour, &z.minute, &z.second, &z.year, lw, lm, &lday, &lh, &lmin, &ls,
                  &ly, abbreviation, &isdst, &gmtoff) != 18) {
    return false;
  }
  z.month = 0;
  for (int m = 0; m < 12; ++m) {
    if (std::string(month) == kMonths[m]) z.month = m + 1;
  }
  z.abbreviation = abbreviation;
  z.daylight = isdst != 0;
  z.offsetSeconds = gmtoff;
  return z.month != 0;
}

// Every transition zdump lists for these zones from 1850 to 2037: the local clock time on each
// side of it, read back through LocalToUt, gives zdump's UT instant among its readings, with
// zdump's offset, abbreviation and daylight flag. Before standard time the longitude is set to
// the one whose mean time is the zone's LMT, so the database's own LMT is checked too.
TEST(LocalToUt, AgreesWithZdumpAtEveryTransition) {
  const char* zones[] = {"Europe/Madrid",     "Europe/London",    "Europe/Moscow",     "Asia/Kolkata",
                         "America/Sao_Paulo", "Australia/Sydney", "America/New_York",  "Pacific/Auckland",
                         "Asia/Tehran",       "America/St_Johns", "Africa/Casablanca", "Australia/Lord_Howe"};
  int compared = 0;
  for (const char* zoneName : zones) {
    const std::string command = std::string("zdump -v -c 1850,2037 ") + zoneName + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) GTEST_SKIP() << "zdump cannot be run";
    const ClockZone zone = Zone(zoneName);
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe.get())) {
      ZdumpLine z;
      if (!ParseZdumpLine(buffer, z)) continue;
      // The UT instant as a clock time, then the local clock time zdump shows for it.
      const ClockTime ut{z.year, z.month, z.day, z.hour, z.minute + z.second / 60.0};
      const ClockZone fixed{ZoneKind::Fixed, static_cast<int>(-z.offsetSeconds), "UT"};
      const ClockTime local = LocalToUt(ut, fixed, 0.0, ClockChoice::Refuse).reading.ut;
      const double longitude = z.offsetSeconds / 240.0;
      const LocalToUtResult r = LocalToUt(local, zone, longitude, ClockChoice::Refuse);
      const std::string want = FormatClockTime(ut);
      bool found = false;
      const auto check = [&](const ZoneReading& reading) {
        if (FormatClockTime(reading.ut) != want) return;
        found = true;
        EXPECT_NEAR(reading.offsetSeconds, z.offsetSeconds, 1e-6) << zoneName << " " << want;
        EXPECT_EQ(reading.abbreviation, z.abbreviation) << zoneName << " " << want;
        EXPECT_EQ(reading.daylightSaving, z.daylight && z.abbreviation != "LMT") << zoneName << " " << want;
      };
      if (r.status == ClockStatus::Unique) {
        check(r.reading);
      } else {
        ASSERT_NE(r.status, ClockStatus::Error) << r.error;
        check(r.both[0]);
        check(r.both[1]);
      }
      EXPECT_TRUE(found) << zoneName << ": zdump's " << want << " UT (" << z.abbreviation
                         << ") not among the readings of " << FormatClockTime(local)
                         << (r.status == ClockStatus::Unique ? "" : ": " + r.error);
      ++compared;
    }
  }
  if (compared == 0) GTEST_SKIP() << "zdump printed nothing";
  std::printf("compared %d zdump transitions\n", compared);
  EXPECT_GT(compared, 500);
}

}  // namespace
}  // namespace caelix

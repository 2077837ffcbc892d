// `caelix chart` with the local clock: --place, --tz, --resolve, the coordinate forms and the
// latitudes each house system allows; `caelix places`.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/run.h"

namespace caelix {
namespace {

using testing::RunCaelix;

// The README's example: 14 July 1985, 09:20 in Madrid is 07:20 UT (Central European Summer Time);
// Sun and Ascendant as the classic engine's chart of 07:20 UT at Madrid gives them (the precise
// engine, the default, puts the Sun at 21Cn48, as the Swiss Ephemeris does).
TEST(LocalTimeCommand, MadridExampleEndToEnd) {
  const auto r = RunCaelix("chart --date 1985-07-14 --time 09:20 --place Madrid --engine classic");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE(r.out.find("Place: Madrid, Madrid, Spain (ES), 40.4165 N 3.7026 W, Europe/Madrid\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("(CEST, +02:00, daylight saving) is 1985-07-14 07:20 UT"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("So\t21Cn47"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("As\t19Le13"), std::string::npos) << r.out;

  const auto ut = RunCaelix("chart --date 1985-07-14 --time 07:20 --lon -3.70256 --lat 40.4165 --json");
  const auto local = RunCaelix("chart --date 1985-07-14 --time 09:20 --place Madrid --json");
  ASSERT_EQ(0, local.status) << local.err;
  const auto a = nlohmann::json::parse(ut.out);
  const auto j = nlohmann::json::parse(local.out);
  EXPECT_EQ(a["jdUT"], j["jdUT"]);
  EXPECT_EQ(a["bodies"], j["bodies"]);
  EXPECT_EQ(j["localTime"]["date"], "1985-07-14");
  EXPECT_EQ(j["localTime"]["time"], "09:20");
  EXPECT_EQ(j["localTime"]["zone"], "Europe/Madrid");
  EXPECT_EQ(j["localTime"]["offset"], "+02:00");
  EXPECT_EQ(j["localTime"]["offsetSeconds"], 7200.0);
  EXPECT_EQ(j["localTime"]["daylightSaving"], true);
  EXPECT_EQ(j["localTime"]["localMeanTime"], false);
  EXPECT_FALSE(j["localTime"]["tzdataVersion"].get<std::string>().empty());
  EXPECT_EQ(j["ut"]["time"], "07:20");
  EXPECT_EQ(j["place"]["name"], "Madrid");
  EXPECT_EQ(j["place"]["country"], "Spain");
  EXPECT_EQ(j["place"]["countryCode"], "ES");
  EXPECT_GT(j["place"]["population"].get<int>(), 3000000);
  EXPECT_FALSE(a.contains("localTime"));  // a UT chart stays as it was
}

struct ExitCase {
  const char* args;
  int status;
  const char* inOutput;  // on stdout when 0, else on stderr
};

TEST(LocalTimeCommand, RefusesOrResolvesAsTheOptionsSay) {
  const ExitCase cases[] = {
      {"--date 2024-10-27 --time 02:30 --place Madrid", 2, "either 00:30 UT (CEST, +02:00, daylight saving) or 01:30"},
      {"--date 2024-10-27 --time 02:30 --place Madrid", 2, "--resolve earlier or --resolve later"},
      {"--date 2024-10-27 --time 02:30 --place Madrid --resolve earlier", 0, "is 2024-10-27 00:30 UT (one of two"},
      {"--date 2024-10-27 --time 02:30 --place Madrid --resolve later", 0, "is 2024-10-27 01:30 UT (one of two"},
      {"--date 2024-03-31 --time 02:30 --tz Europe/Madrid --lon 3W42 --lat 40N25", 2, "does not exist"},
      {"--date 2024-03-31 --time 02:30 --tz Europe/Madrid --lon 3W42 --lat 40N25 --resolve later", 0, "01:30 UT"},
      {"--date 2024-03-31 --time 02:30 --tz Europe/Madrid --lon 3W42 --lat 40N25 --resolve earlier", 0, "00:30 UT"},
      {"--date 2024-03-31 --time 02:30 --tz Europe/Madrid --resolve sometime", 2, "--resolve"},
      {"--date 2024-03-31 --time 02:30 --resolve later", 2, "--resolve"},
      {"--date 2000-01-01 --time 12:00 --tz +05:30", 0, "(UTC+05:30, +05:30) is 2000-01-01 06:30 UT"},
      {"--date 2000-01-01 --time 12:00 --tz UTC-3", 0, "is 2000-01-01 15:00 UT"},
      {"--date 2000-01-01 --time 12:00 --tz Mars/Olympus", 2, "--tz: 'Mars/Olympus' is not a time zone"},
      {"--date 2000-01-01 --time 12:00 --tz LMT --lon 15 --lat 50", 0, "is 2000-01-01 11:00 UT"},
      {"--date 1850-01-01 --time 12:00 --place Madrid", 0, "local mean time of longitude 3.7026 W, -00:14:49"},
      {"--date 1985-07-14 --time 09:20 --place 'Paris, TX'", 0, "Paris, Texas, United States (US)"},
      {"--date 1985-07-14 --time 09:20 --place Xyzzyqq", 2, "--place: no place of the atlas is named 'Xyzzyqq'"},
      {"--date 1985-07-14 --time 09:20 --place Barcel", 2, "Barcelona, ES"},
      {"--place Madrid", 2, "--date and --time"},
      {"--date 1985-07-14 --time 09:20 --place Madrid --lat 41 --lon 2", 0, "is 1985-07-14 07:20 UT"},
      {"--date 1985-07-14 --time 09:20 --place Madrid --lat 91", 2, "--lat: '91' is not a latitude"},
      // What a message repeats of a place or a zone is safe for a terminal, and short.
      {"--date 1985-07-14 --time 09:20 --place \"$(printf 'Ma\\033[31md')\"", 2,
       "--place: 'Ma\\x1b[31md' is not a place name (printable UTF-8 text of at most 200 bytes)"},
      {"--date 1985-07-14 --time 09:20 --tz \"$(printf 'Europe/\\033c')\" --lon 1 --lat 1", 2,
       "--tz: 'Europe/\\x1bc' is not a zone"},
      {"--date 1985-07-14 --time 09:20 --place \"$(printf '%0201d' 0)\"", 2, "is not a place name"},
  };
  for (const ExitCase& c : cases) {
    const auto r = RunCaelix(std::string("chart ") + c.args);
    EXPECT_EQ(c.status, r.status) << c.args << ": " << r.err;
    const std::string& text = c.status == 0 ? r.out : r.err;
    EXPECT_NE(text.find(c.inOutput), std::string::npos) << c.args << ": " << text;
  }
}

TEST(LocalTimeCommand, PlaceCoordinatesGiveWayToLonAndLat) {
  const auto r = RunCaelix("chart --date 1985-07-14 --time 09:20 --place Madrid --lat 41 --lon 2 --json");
  ASSERT_EQ(0, r.status) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["input"]["latitude"], 41.0);
  EXPECT_EQ(j["input"]["longitude"], 2.0);
  EXPECT_EQ(j["localTime"]["zone"], "Europe/Madrid");
}

TEST(LocalTimeCommand, CoordinateFormsReachTheChart) {
  const struct {
    const char* lon;
    const char* lat;
    double wantLon;
    double wantLat;
  } cases[] = {
      {"-3.7038", "40.4168", -3.7038, 40.4168},
      {"3W42", "40N25", -3.7, 40.0 + 25.0 / 60.0},
      {"\"3°42'W\"", "\"40°25'N\"", -3.7, 40.0 + 25.0 / 60.0},
  };
  for (const auto& c : cases) {
    const auto r =
        RunCaelix(std::string("chart --date 2000-01-01 --time 12:00 --json --lon ") + c.lon + " --lat " + c.lat);
    ASSERT_EQ(0, r.status) << c.lon << " " << c.lat << ": " << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_NEAR(j["input"]["longitude"].get<double>(), c.wantLon, 1e-12) << c.lon;
    EXPECT_NEAR(j["input"]["latitude"].get<double>(), c.wantLat, 1e-12) << c.lat;
  }
}

TEST(LocalTimeCommand, PolarLatitudesOnlyForCampanus) {
  const ExitCase cases[] = {
      {"--lat 69.6 --houses campanus", 0, "Campanus"},
      {"--lat 89.99 --houses C", 0, "Campanus"},
      {"--lat=-89.99 --houses C", 0, "Campanus"},
      {"--lat 89.995 --houses C", 2, "is not from -89.99 to 89.99"},
      {"--lat 69.6 --houses placidus", 2, "Placidus cusps are undefined within the polar circles"},
      {"--lat 66 --houses koch", 2, "Koch cusps are undefined within the polar circles"},
      {"--lat 69.6 --houses P", 2, "Campanus is defined there (--houses C)"},
  };
  for (const ExitCase& c : cases) {
    const auto r = RunCaelix(std::string("chart --date 2000-01-01 --time 12:00 --lon 19 ") + c.args);
    EXPECT_EQ(c.status, r.status) << c.args << ": " << r.err;
    EXPECT_NE((c.status == 0 ? r.out : r.err).find(c.inOutput), std::string::npos) << c.args << ": " << r.err;
    if (c.status == 0) {
      EXPECT_EQ(r.out.find("nan"), std::string::npos) << r.out;
    }
  }
  const auto tromso = RunCaelix("chart --date 2000-01-01 --time 12:00 --place Tromso");
  EXPECT_EQ(2, tromso.status);
  EXPECT_NE(tromso.err.find("--place: latitude 69.6489"), std::string::npos) << tromso.err;
  EXPECT_EQ(0, RunCaelix("chart --date 2000-01-01 --time 12:00 --place Tromso --houses C").status);
}

TEST(PlacesCommand, ListsCandidatesBestFirst) {
  const auto r = RunCaelix("places Springfield --limit 3");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_EQ(r.out,
            "Springfield, Missouri, United States (US), 37.2153 N 93.2982 W, America/Chicago, population 159498\n"
            "Springfield, Massachusetts, United States (US), 42.1015 N 72.5898 W, America/New_York, population 153060\n"
            "Springfield, Illinois, United States (US), 39.8017 N 89.6437 W, America/Chicago, population 116250\n");
  const auto j = RunCaelix("places 'Munich' --json");
  ASSERT_EQ(0, j.status);
  const auto list = nlohmann::json::parse(j.out);
  ASSERT_GE(list.size(), 1u);
  EXPECT_EQ(list[0]["name"], "München");
  EXPECT_EQ(list[0]["alternateName"], true);
  EXPECT_EQ(list[0]["zone"], "Europe/Berlin");
  const auto none = RunCaelix("places Xyzzyqq");
  EXPECT_EQ(1, none.status);
  EXPECT_NE(none.err.find("no place of the atlas matches 'Xyzzyqq'"), std::string::npos);
  const auto escaped = RunCaelix("places \"$(printf 'Xy\\033[2Jz')\"");
  EXPECT_EQ(1, escaped.status);
  EXPECT_NE(escaped.err.find("no place of the atlas matches 'Xy\\x1b[2Jz'"), std::string::npos) << escaped.err;
  EXPECT_EQ(2, RunCaelix("places Paris --limit 0").status);
  EXPECT_EQ(2, RunCaelix("places").status);
}

}  // namespace
}  // namespace caelix

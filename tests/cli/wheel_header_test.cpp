// The modern wheel's header with a local time and a place: the time as entered with its zone,
// the UT, the atlas' name of the place, the coordinates and the house system.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/chart_svg.h"
#include "places/birth_data.h"
#include "support/run.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

TEST(WheelHeader, NamesTheLocalTimeItsZoneAndThePlace) {
  struct Case {
    ClockTime local;
    const char* place;
    const char* zone;
    const char* lon;
    const char* lat;
    ClockChoice choice;
    const char* localTime;  // the whole line, or its beginning when it ends in "..."
    const char* placeName;
  } const cases[] = {
      {{1985, 7, 14, 9, 20.0},
       "Madrid",
       nullptr,
       nullptr,
       nullptr,
       ClockChoice::Refuse,
       "1985-07-14 09:20 Europe/Madrid (CEST, +02:00)",
       "Madrid, Spain"},
      {{1985, 1, 14, 9, 20.5},
       "Madrid",
       nullptr,
       "-3.5",
       nullptr,
       ClockChoice::Refuse,
       "1985-01-14 09:20:30 Europe/Madrid (CET, +01:00)",
       "Madrid, Spain"},
      // Before standard time: the place's own mean time, 3.7026 W is 14 min 49 s behind UT.
      {{1850, 6, 1, 12, 0.0},
       "Madrid",
       nullptr,
       nullptr,
       nullptr,
       ClockChoice::Refuse,
       "1850-06-01 12:00 local mean time (-00:14:...",
       "Madrid, Spain"},
      {{2000, 1, 1, 9, 20.0}, nullptr, "+05:30", "77.2", "28.6", ClockChoice::Refuse, "2000-01-01 09:20 UTC+05:30", ""},
      {{2000, 1, 1, 9, 20.0},
       nullptr,
       "LMT",
       "77.2",
       "28.6",
       ClockChoice::Refuse,
       "2000-01-01 09:20 local mean time (+05:08:48)",
       ""},
      // UT itself needs no line of its own; the place is still named.
      {{2000, 1, 1, 9, 20.0}, nullptr, "UT", "77.2", "28.6", ClockChoice::Refuse, "", ""},
      {{2000, 1, 1, 9, 20.0}, "Madrid", "UT", nullptr, nullptr, ClockChoice::Refuse, "", "Madrid, Spain"},
      {{2024, 10, 27, 2, 30.0},
       "Madrid",
       nullptr,
       nullptr,
       nullptr,
       ClockChoice::Later,
       "2024-10-27 02:30 Europe/Madrid (CET, +01:00), one of two readings",
       "Madrid, Spain"},
      {{1960, 5, 1, 8, 0.0},
       "Springfield, IL",
       nullptr,
       nullptr,
       nullptr,
       ClockChoice::Refuse,
       "1960-05-01 08:00 America/Chicago (CDT, -05:00)",
       "Springfield, Illinois, United States"},
      {{1990, 3, 1, 8, 0.0},
       "New Delhi",
       nullptr,
       nullptr,
       nullptr,
       ClockChoice::Refuse,
       "1990-03-01 08:00 Asia/Kolkata (IST, +05:30)",
       "New Delhi, Delhi, India"},
  };
  for (const Case& c : cases) {
    BirthDataRequest request;
    request.local = c.local;
    if (c.place) request.place = c.place;
    if (c.zone) request.zone = c.zone;
    if (c.lon) request.longitude = c.lon;
    if (c.lat) request.latitude = c.lat;
    request.choice = c.choice;
    const BirthDataResult r = ResolveBirthData(request);
    ASSERT_TRUE(r.value) << r.error;
    ModernWheelOptions options;
    options.placeName = "left from an earlier chart";
    SetBirthDataHeader(*r.value, options);
    const std::string want = c.localTime;
    if (want.ends_with("...")) {
      EXPECT_TRUE(options.localTime.starts_with(want.substr(0, want.size() - 3))) << options.localTime;
    } else {
      EXPECT_EQ(want, options.localTime);
    }
    EXPECT_EQ(c.placeName, options.placeName);
  }
}

// The header's lines, in order, as `caelix chart --svg` writes them.
std::vector<std::string> HeaderLines(const std::string& svg) {
  std::vector<std::string> lines;
  const std::size_t from = svg.find("<g class=\"header\">");
  const std::size_t to = svg.find("</g>", from);
  for (std::size_t at = svg.find("<text", from); at < to; at = svg.find("<text", at + 1)) {
    const std::size_t open = svg.find('>', at) + 1;
    lines.push_back(svg.substr(open, svg.find("</text>", open) - open));
  }
  return lines;
}

TEST(WheelHeader, TheChartCommandWritesTheLinesInOrder) {
  testing::TempDir dir;
  const std::string svg = (dir.Path() / "w.svg").string();
  const struct {
    const char* args;
    std::vector<std::string> lines;
  } cases[] = {
      {"--date 1985-07-14 --time 09:20 --place Madrid --name Ana",
       {"Ana", "1985-07-14 09:20 Europe/Madrid (CEST, +02:00)", "1985-07-14 07:20 UT", "Madrid, Spain",
        "40\u00b025\u2032N 3\u00b042\u2032W", "Placidus houses"}},
      {"--date 1985-07-14 --time 09:20 --tz Europe/Madrid --lon 3W42 --lat 40N25 --houses K",
       {"1985-07-14 09:20 Europe/Madrid (CEST, +02:00)", "1985-07-14 07:20 UT", "40\u00b025\u2032N 3\u00b042\u2032W",
        "Koch houses"}},
      {"--date 1985-07-14 --time 07:20 --lon 3W42 --lat 40N25 --houses C",
       {"1985-07-14 07:20 UT", "40\u00b025\u2032N 3\u00b042\u2032W", "Campanus houses"}},
  };
  for (const auto& c : cases) {
    const auto run = testing::RunCaelix(std::string("chart ") + c.args + " --svg " + svg);
    ASSERT_EQ(0, run.status) << c.args << ": " << run.err;
    EXPECT_EQ(c.lines, HeaderLines(testing::ReadWhole(svg))) << c.args;
  }
}

}  // namespace
}  // namespace caelix

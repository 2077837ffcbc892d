// `caelix batch` with the local clock: the place, tz and resolve columns, resolved as `chart`
// resolves --place, --tz and --resolve.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/batch_command.h"
#include "cli/batch_row.h"
#include "support/run.h"

namespace caelix {
namespace {

TEST(BatchLocalTime, HeadersNameThePlaceZoneAndResolveColumns) {
  struct Case {
    const char* line;
    BatchHeaderKind kind;
    const char* errorPart;
  } const cases[] = {
      {"id,date,time,place,tz,lon,lat,houses", BatchHeaderKind::Header, ""},
      {"id,date,time,place,houses", BatchHeaderKind::Header, ""},
      {"date,time,place,lon,houses,resolve", BatchHeaderKind::Header, ""},
      {"date,time,Zone,lon,lat,houses", BatchHeaderKind::Header, ""},
      {"date,time,tz,houses", BatchHeaderKind::BadHeader, "column lon is missing (or name a place column)"},
      {"date,time,tz,lon,houses", BatchHeaderKind::BadHeader, "column lat is missing"},
      {"date,time,place,place,houses", BatchHeaderKind::BadHeader, "place named twice"},
      {"date,time,tz,zone,lon,lat,houses", BatchHeaderKind::BadHeader, "tz named twice"},
      {"date,time,town,houses", BatchHeaderKind::BadHeader,
       "'town' is not a column (date, time, lon, lat, houses, "
       "id, place, tz, resolve)"},
  };
  for (const Case& c : cases) {
    const BatchHeader h = ParseBatchHeader(c.line);
    EXPECT_EQ(c.kind, h.kind) << c.line;
    EXPECT_NE(std::string::npos, h.error.find(c.errorPart)) << c.line << ": " << h.error;
  }
}

// What a row of the layout id,date,time,place,tz,lon,lat,houses,resolve resolves to.
TEST(BatchLocalTime, RowsResolveAsChartResolvesThem) {
  const BatchHeader h = ParseBatchHeader("id,date,time,place,tz,lon,lat,houses,resolve");
  ASSERT_EQ(BatchHeaderKind::Header, h.kind);
  struct Case {
    const char* line;
    ClockChoice option;  // batch --resolve
    BatchRowKind kind;
    const char* errorPart;
    int utHour;  // the UT the row becomes (Chart rows)
    double utMinute;
    double longitude;  // within 0.01 degrees; GeoNames' Madrid is 40.4165 N 3.7026 W
    double latitude;
  } const cases[] = {
      // Madrid, summer time (CEST, +02:00): 07:20 UT at the atlas' coordinates.
      {"m,1985-07-14,09:20,Madrid,,,,P,", ClockChoice::Refuse, BatchRowKind::Chart, "", 7, 20, -3.7026, 40.4165},
      // lon and lat override the atlas'; the zone stays the place's.
      {"m,1985-07-14,09:20,Madrid,,-3.5,41,P,", ClockChoice::Refuse, BatchRowKind::Chart, "", 7, 20, -3.5, 41},
      // A zone with coordinates needs no atlas; winter time is +01:00.
      {"m,1985-01-14,09:20,,Europe/Madrid,3W42,40N25,K,", ClockChoice::Refuse, BatchRowKind::Chart, "", 8, 20, -3.7,
       40.4167},
      {"k,2000-01-01,09:20:30,,+05:30,77.2,28.6,C,", ClockChoice::Refuse, BatchRowKind::Chart, "", 3, 50.5, 77.2, 28.6},
      // A tz overrides the place's zone.
      {"m,1985-07-14,09:20,Madrid,UT,,,P,", ClockChoice::Refuse, BatchRowKind::Chart, "", 9, 20, -3.7026, 40.4165},
      // Clocks went back at 03:00 CEST on 27 October 2024: 02:30 happened twice.
      {"r,2024-10-27,02:30,Madrid,,,,P,", ClockChoice::Refuse, BatchRowKind::Bad,
       "time: 2024-10-27 02:30 occurs twice in Europe/Madrid", 0, 0, 0, 0},
      {"r,2024-10-27,02:30,Madrid,,,,P,", ClockChoice::Refuse, BatchRowKind::Bad,
       "either 00:30 UT (CEST, +02:00, daylight saving) or 01:30", 0, 0, 0, 0},
      {"r,2024-10-27,02:30,Madrid,,,,P,", ClockChoice::Refuse, BatchRowKind::Bad, "a resolve column or --resolve", 0, 0,
       0, 0},
      {"r,2024-10-27,02:30,Madrid,,,,P,earlier", ClockChoice::Refuse, BatchRowKind::Chart, "", 0, 30, -3.7026, 40.4165},
      {"r,2024-10-27,02:30,Madrid,,,,P,LATER", ClockChoice::Refuse, BatchRowKind::Chart, "", 1, 30, -3.7026, 40.4165},
      {"r,2024-10-27,02:30,Madrid,,,,P,", ClockChoice::Earlier, BatchRowKind::Chart, "", 0, 30, -3.7026, 40.4165},
      {"r,2024-10-27,02:30,Madrid,,,,P,later", ClockChoice::Earlier, BatchRowKind::Chart, "", 1, 30, -3.7026, 40.4165},
      // Clocks jumped from 02:00 to 03:00 on 31 March 2024: 02:30 never happened.
      {"s,2024-03-31,02:30,,Europe/Madrid,3W42,40N25,P,", ClockChoice::Refuse, BatchRowKind::Bad, "time: ", 0, 0, 0, 0},
      {"s,2024-03-31,02:30,,Europe/Madrid,3W42,40N25,P,later", ClockChoice::Refuse, BatchRowKind::Chart, "", 1, 30,
       -3.7, 40.4167},
      {"s,2024-03-31,02:30,,Europe/Madrid,3W42,40N25,P,", ClockChoice::Later, BatchRowKind::Chart, "", 1, 30, -3.7,
       40.4167},
      // What is refused, under the column's name.
      {"x,1985-07-14,09:20,Qqqzzxx,,,,P,", ClockChoice::Refuse, BatchRowKind::Bad,
       "place: no place of the atlas is named 'Qqqzzxx'", 0, 0, 0, 0},
      {"x,1985-07-14,09:20,,Mars/Olympus,1,1,P,", ClockChoice::Refuse, BatchRowKind::Bad, "tz: ", 0, 0, 0, 0},
      {"x,1985-07-14,09:20,Ma\x1b[31md,,,,P,", ClockChoice::Refuse, BatchRowKind::Bad,
       "place: 'Ma\\x1b[31md' is not a place name", 0, 0, 0, 0},
      {"x,1985-07-14,09:20,,Europe/\x9b,1,1,P,", ClockChoice::Refuse, BatchRowKind::Bad,
       "tz: 'Europe/\\x9b' is not a zone", 0, 0, 0, 0},
      {"x,1985-07-14,09:20,,Europe/Madrid,,40,P,", ClockChoice::Refuse, BatchRowKind::Bad,
       "longitude: give one, or a place", 0, 0, 0, 0},
      {"x,1985-07-14,09:20,,+01:00,-3,,P,", ClockChoice::Refuse, BatchRowKind::Bad, "latitude: give one, or a place", 0,
       0, 0, 0},
      {"x,1985-07-14,09:20,Madrid,,3X42,,P,", ClockChoice::Refuse, BatchRowKind::Bad, "longitude: '3X42'", 0, 0, 0, 0},
      {"x,1985-07-14,09:20,,,-3,40,P,later", ClockChoice::Refuse, BatchRowKind::Bad, "resolve: applies to a local time",
       0, 0, 0, 0},
      {"x,1985-07-14,09:20,Madrid,,,,P,sometime", ClockChoice::Refuse, BatchRowKind::Bad,
       "resolve: 'sometime' is not earlier, later or empty", 0, 0, 0, 0},
      {"x,1985-07-14,09:20,,,,40,P,", ClockChoice::Refuse, BatchRowKind::Bad, "longitude: ", 0, 0, 0, 0},
      // Tromsø (69.65 N): the place's latitude is refused for Placidus, taken for Campanus.
      {"t,2000-06-21,12:00,Tromso,,,,P,", ClockChoice::Refuse, BatchRowKind::Bad, "place: ", 0, 0, 0, 0},
      {"t,2000-06-21,12:00,Tromso,,,,C,", ClockChoice::Refuse, BatchRowKind::Chart, "", 10, 0, 18.957, 69.6496},
      {"t,2000-06-21,12:00,Tromso,,,60,P,", ClockChoice::Refuse, BatchRowKind::Chart, "", 10, 0, 18.957, 60},
  };
  for (const Case& c : cases) {
    BatchRow r = ParseBatchRow(c.line, h.layout);
    ResolveBatchRow(r, c.option);
    EXPECT_EQ(c.kind, r.kind) << c.line << ": " << r.error;
    EXPECT_NE(std::string::npos, r.error.find(c.errorPart)) << c.line << ": " << r.error;
    if (r.kind != BatchRowKind::Chart || c.kind != BatchRowKind::Chart) continue;
    EXPECT_EQ(c.utHour, r.input.hour) << c.line;
    EXPECT_NEAR(c.utMinute, r.input.minute, 1e-9) << c.line;
    EXPECT_NEAR(c.longitude, r.input.longitude, 0.01) << c.line << " want " << c.longitude;
    EXPECT_NEAR(c.latitude, r.input.latitude, 0.01) << c.line << " want " << c.latitude;
    ASSERT_TRUE(r.birth.has_value()) << c.line;
  }
}

// A quoted field holds commas, so that a place may name its country or region.
TEST(BatchLocalTime, QuotedFieldsHoldCommas) {
  const BatchHeader h = ParseBatchHeader("id,date,time,place,houses");
  ASSERT_EQ(BatchHeaderKind::Header, h.kind);
  struct Case {
    const char* line;
    BatchRowKind kind;
    const char* id;
    const char* countryOrError;  // the place's country code, or a part of the error
    double latitude;
  } const cases[] = {
      {"a,1985-07-14,09:20,\"Paris, FR\",P", BatchRowKind::Chart, "a", "FR", 48.85},
      {"a,1985-07-14,09:20, \"Paris, US\" ,P", BatchRowKind::Chart, "a", "US", 33.66},
      {"a,1985-07-14,09:20,\"Springfield, IL\",P", BatchRowKind::Chart, "a", "US", 39.80},
      {"\"Ann \"\"Nan\"\", Lee\",1985-07-14,09:20,Madrid,P", BatchRowKind::Chart, "Ann \"Nan\", Lee", "ES", 40.42},
      {"\"\",1985-07-14,09:20,Madrid,P", BatchRowKind::Chart, "", "ES", 40.42},
      {"a,1985-07-14,09:20,Paris, FR,P", BatchRowKind::Bad, nullptr, "more than 5 fields", 0},
      {"a,1985-07-14,09:20,\"Paris, FR,P", BatchRowKind::Bad, nullptr, "field 4: a quote is not closed", 0},
      {"a,1985-07-14,09:20,\"Paris\" FR,P", BatchRowKind::Bad, nullptr, "field 4: text after the closing quote", 0},
  };
  for (const Case& c : cases) {
    BatchRow r = ParseBatchRow(c.line, h.layout);
    ResolveBatchRow(r, ClockChoice::Refuse);
    EXPECT_EQ(c.kind, r.kind) << c.line << ": " << r.error;
    if (c.kind == BatchRowKind::Bad) {
      EXPECT_NE(std::string::npos, r.error.find(c.countryOrError)) << c.line << ": " << r.error;
      continue;
    }
    if (r.kind != BatchRowKind::Chart) continue;
    ASSERT_TRUE(r.id.has_value()) << c.line;
    EXPECT_EQ(c.id, *r.id);
    ASSERT_TRUE(r.birth && r.birth->place) << c.line;
    EXPECT_EQ(c.countryOrError, r.birth->place->countryCode) << c.line;
    EXPECT_NEAR(c.latitude, r.input.latitude, 0.1) << c.line;
  }
  // A quote inside a field that does not start with one is text: the seconds of a coordinate.
  const BatchHeader plain = ParseBatchHeader("date,time,lon,lat,houses");
  const BatchRow r = ParseBatchRow("1985-07-14,09:20,3W42,40\u00b025'30\"N,P", plain.layout);
  ASSERT_EQ(BatchRowKind::Chart, r.kind) << r.error;
  EXPECT_NEAR(40.425, r.input.latitude, 1e-12);
}

// A row without a place or a tz stays UT, with no localTime in its line.
TEST(BatchLocalTime, PlainRowsInALocalLayoutStayUniversalTime) {
  const BatchHeader h = ParseBatchHeader("date,time,place,tz,lon,lat,houses");
  ASSERT_EQ(BatchHeaderKind::Header, h.kind);
  BatchRow r = ParseBatchRow("2000-01-01,12:00,,,14.417,50.083,P", h.layout);
  ResolveBatchRow(r, ClockChoice::Refuse);
  ASSERT_EQ(BatchRowKind::Chart, r.kind) << r.error;
  EXPECT_FALSE(r.birth.has_value());
  EXPECT_EQ(12.0, r.input.hour);
  EXPECT_EQ(14.417, r.input.longitude);
}

// Strips "caelix chart: --option: " or "caelix batch: line N: field: " and a trailing
// "; pick one with ..." from a message, leaving what both commands say.
std::string MessageCore(std::string message) {
  for (const std::string_view head : {"caelix chart: ", "caelix batch: line 2: "}) {
    if (message.starts_with(head)) message.erase(0, head.size());
  }
  message.erase(0, message.find(": ") + 2);
  const std::size_t hint = message.find("; pick one with");
  if (hint != std::string::npos) message.erase(hint);
  while (!message.empty() && message.back() == '\n') message.pop_back();
  return message;
}

TEST(BatchLocalTime, LinesAndMessagesAreChartsOwn) {
  struct Case {
    const char* row;  // of the header below
    const char* chartOptions;
    int chartStatus;
  } const cases[] = {
      {"1985-07-14,09:20,Madrid,,,,P,", "--date 1985-07-14 --time 09:20 --place Madrid --houses P", 0},
      {"1985-07-14,09:20,\"Paris, FR\",,,,K,", "--date 1985-07-14 --time 09:20 --place 'Paris, FR' --houses K", 0},
      {"1985-07-14,09:20,Madrid,,-3.5,41.25,K,",
       "--date 1985-07-14 --time 09:20 --place Madrid --lon -3.5 --lat 41.25 "
       "--houses K",
       0},
      {"1950-03-02,06:15,,America/Chicago,89W39,39°48'N,C,",
       "--date 1950-03-02 --time 06:15 --tz America/Chicago --lon 89W39 --lat \"39°48'N\" --houses C", 0},
      {"1850-06-01,12:00,Madrid,,,,P,", "--date 1850-06-01 --time 12:00 --place Madrid --houses P", 0},
      {"2024-10-27,02:30,Madrid,,,,P,later", "--date 2024-10-27 --time 02:30 --place Madrid --houses P --resolve later",
       0},
      {"2024-10-27,02:30,Madrid,,,,P,", "--date 2024-10-27 --time 02:30 --place Madrid --houses P", 2},
      {"2024-03-31,02:30,,Europe/Madrid,-3.7,40.4,P,",
       "--date 2024-03-31 --time 02:30 --tz Europe/Madrid --lon -3.7 --lat 40.4 --houses P", 2},
      {"1985-07-14,09:20,Qqqzzxx,,,,P,", "--date 1985-07-14 --time 09:20 --place Qqqzzxx --houses P", 2},
      {"1985-07-14,09:20,Springf,,,,P,", "--date 1985-07-14 --time 09:20 --place Springf --houses P", 2},
      {"1985-07-14,09:20,,Mars/Olympus,1,1,P,",
       "--date 1985-07-14 --time 09:20 --tz Mars/Olympus --lon 1 --lat 1 "
       "--houses P",
       2},
      {"2000-06-21,12:00,Tromso,,,,P,", "--date 2000-06-21 --time 12:00 --place Tromso --houses P", 2},
  };
  for (const Case& c : cases) {
    const std::string input = std::string("date,time,place,tz,lon,lat,houses,resolve\n") + c.row + "\n";
    const auto batch = testing::RunCaelix("batch --pages", input);
    const auto chart = testing::RunCaelix(std::string("chart --json ") + c.chartOptions);
    ASSERT_EQ(c.chartStatus, chart.status) << c.chartOptions << ": " << chart.err;
    if (c.chartStatus == 0) {
      EXPECT_EQ(0, batch.status) << c.row << ": " << batch.err;
      EXPECT_EQ(chart.out, batch.out) << c.row;
      const auto j = nlohmann::json::parse(batch.out.empty() ? "{}" : batch.out);
      EXPECT_TRUE(j.contains("localTime")) << c.row;
      EXPECT_TRUE(j.contains("ut")) << c.row;
    } else {
      EXPECT_EQ(1, batch.status) << c.row;
      EXPECT_EQ("", batch.out) << c.row;
      EXPECT_EQ(MessageCore(chart.err), MessageCore(batch.err)) << c.row;
    }
  }
}

// The Madrid example, the whole way: the JSON names the place, the zone and the summer offset.
TEST(BatchLocalTime, TheMadridRowNamesPlaceZoneAndOffset) {
  const auto run = testing::RunCaelix("batch", "id,date,time,place,houses\nanna,1985-07-14,09:20,Madrid,P\n");
  ASSERT_EQ(0, run.status) << run.err;
  const auto j = nlohmann::json::parse(run.out);
  EXPECT_EQ("anna", j["id"]);
  EXPECT_EQ("Madrid", j["place"]["name"]);
  EXPECT_EQ("Spain", j["place"]["country"]);
  EXPECT_EQ("Europe/Madrid", j["localTime"]["zone"]);
  EXPECT_EQ("+02:00", j["localTime"]["offset"]);
  EXPECT_EQ(true, j["localTime"]["daylightSaving"]);
  EXPECT_EQ("07:20", j["ut"]["time"]);
  EXPECT_EQ(7.0, j["input"]["hour"].get<double>());
}

}  // namespace
}  // namespace caelix

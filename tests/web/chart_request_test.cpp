#include "web/chart_request.h"

#include <gtest/gtest.h>

#include "app/stored_files.h"

namespace caelix {
namespace {

const UtcDateTime kNow{2006, 2, 28, 17, 42, 30};

TEST(ChartRequest, EachParameterFillsTheOptionOfItsName) {
  const auto r = ChartRequestFromParams(
      {{"date", "2000-01-01"}, {"time", "12:00"}, {"lon", "14.417"}, {"lat", "50.083"}, {"houses", "K"}}, false);
  ASSERT_TRUE(r.value) << r.error.message;
  const ChartOptions& o = r.value->options;
  EXPECT_EQ("2000-01-01", o.date);
  EXPECT_EQ("12:00", o.time);
  EXPECT_EQ("14.417", o.longitude);
  EXPECT_EQ("50.083", o.latitude);
  EXPECT_EQ("K", o.houses);
  EXPECT_FALSE(o.storedDefaults);
  EXPECT_FALSE(o.pictureSize);
  EXPECT_FALSE(o.svgFile) << "a chart request draws no picture";
  EXPECT_EQ(Engine::Precise, r.value->engine);
  const auto classic = ChartRequestFromParams({{"engine", "classic"}}, false);
  ASSERT_TRUE(classic.value);
  EXPECT_EQ(Engine::Classic, classic.value->engine);
  const auto local = ChartRequestFromParams({{"place", "Paris, FR"}, {"tz", "LMT"}, {"resolve", "later"}}, true);
  ASSERT_TRUE(local.value) << local.error.message;
  EXPECT_EQ("Paris, FR", local.value->options.place);
  EXPECT_EQ("LMT", local.value->options.zone);
  EXPECT_EQ("later", local.value->options.resolve);
}

TEST(ChartRequest, WithoutAnEngineParameterTheServersEngine) {
  const auto r = ChartRequestFromParams({}, false, Engine::Classic);
  ASSERT_TRUE(r.value);
  EXPECT_EQ(Engine::Classic, r.value->engine);
  EXPECT_EQ("classic", r.value->options.engine);
  const auto asked = ChartRequestFromParams({{"engine", "precise"}}, false, Engine::Classic);
  ASSERT_TRUE(asked.value);
  EXPECT_EQ(Engine::Precise, asked.value->engine);
}

TEST(ChartRequest, ALocalTimeIsConvertedAndWhatWasDoneIsKept) {
  const auto request = ChartRequestFromParams({{"date", "1985-07-14"}, {"time", "09:20"}, {"place", "Madrid"}}, false);
  ASSERT_TRUE(request.value);
  std::optional<ResolvedBirthData> birth;
  const auto input = ResolveChartRequest(*request.value, kNow, &birth);
  ASSERT_TRUE(input.value) << input.error.message;
  ASSERT_TRUE(birth);
  ASSERT_TRUE(birth->place);
  EXPECT_EQ("Europe/Madrid", birth->zoneName);
  // Summer time in Madrid: UT is two hours behind the clock.
  EXPECT_EQ(7, input.value->hour);
  EXPECT_EQ(20.0, input.value->minute);
  EXPECT_EQ(birth->place->latitudeDeg, input.value->latitude);
}

TEST(ChartRequest, RefusesWhatTheCommandLineWouldNotTake) {
  struct Case {
    RequestParams params;
    bool withSize;
    const char* parameter;
    const char* messagePart;
  } const cases[] = {
      {{{"frobnicate", "1"}}, false, "frobnicate", "not a parameter here"},
      {{{"size", "480"}}, false, "size", "not a parameter here"},
      {{{"date", "2000-01-01"}, {"date", "2000-01-02"}}, false, "date", "more than once"},
      {{{"size", "480"}, {"size", "480"}}, true, "size", "more than once"},
      {{{"size", "63"}}, true, "size", "64 to 8192"},
      {{{"size", "8193"}}, true, "size", "64 to 8192"},
      {{{"size", "480.5"}}, true, "size", "whole number"},
      {{{"size", ""}}, true, "size", "whole number"},
      {{{"size", "99999999999999999999"}}, true, "size", "whole number"},
      {{{"DATE", "2000-01-01"}}, false, "DATE", "not a parameter here"},
      {{{"engine", "fast"}}, false, "engine", "one of precise, classic"},
      {{{"theme", "dark"}}, false, "theme", "not a parameter here"},
      {{{"style", "modern"}, {"style", "classic"}}, true, "style", "more than once"},
      {{{"engine", ""}}, true, "engine", "one of precise, classic"},
      {{{"engine", "classic"}, {"engine", "classic"}}, false, "engine", "more than once"},
      {{{"place", "Madrid"}, {"place", "Lyon"}}, false, "place", "more than once"},
      {{{"tz", "UT"}, {"tz", "UT"}}, true, "tz", "more than once"},
      {{{"zone", "UT"}}, false, "zone", "not a parameter here"},
      {{{"resolve", "later"}, {"resolve", "earlier"}}, false, "resolve", "more than once"},
  };
  for (const Case& c : cases) {
    const auto r = ChartRequestFromParams(c.params, c.withSize);
    EXPECT_FALSE(r.value) << c.parameter;
    EXPECT_EQ(c.parameter, r.error.parameter);
    EXPECT_NE(std::string::npos, r.error.message.find(c.messagePart)) << r.error.message;
  }
}

TEST(ChartRequest, TakesTheSizeOfAPicture) {
  const struct {
    const char* text;
    int size;
  } cases[] = {{"64", 64}, {"8192", 8192}, {"1000", 1000}};
  for (const auto& c : cases) {
    const auto r = ChartRequestFromParams({{"size", c.text}}, true);
    ASSERT_TRUE(r.value) << c.text << ": " << r.error.message;
    EXPECT_EQ(c.size, r.value->options.pictureSize);
    EXPECT_EQ("", r.value->options.svgFile) << "a picture is drawn, never written";
  }
}

TEST(ChartRequest, MissingValuesAreNowAndTheBuiltInPlaceNeverTheStoredOnes) {
  const auto request = ChartRequestFromParams({}, false);
  ASSERT_TRUE(request.value);
  const auto input = ResolveChartRequest(*request.value, kNow);
  ASSERT_TRUE(input.value) << input.error.message;
  EXPECT_EQ(2006, input.value->year);
  EXPECT_EQ(28, input.value->day);
  EXPECT_EQ(42.5, input.value->minute);
  EXPECT_EQ(kDefaultLongitude, input.value->longitude);
  EXPECT_EQ(kDefaultLatitude, input.value->latitude);
  EXPECT_EQ(0, input.value->houseIndex);
}

TEST(ChartRequest, ResolutionNamesTheParameterWithTheCommandLinesReason) {
  const struct {
    RequestParams params;
    const char* parameter;
  } cases[] = {
      {{{"date", "2006-02-29"}}, "date"}, {{{"time", "24:00"}}, "time"}, {{{"lon", "361"}}, "lon"},
      {{{"lat", "66"}}, "lat"},           {{{"houses", "X"}}, "houses"},
  };
  for (const auto& c : cases) {
    const auto request = ChartRequestFromParams(c.params, false);
    ASSERT_TRUE(request.value);
    const auto input = ResolveChartRequest(*request.value, kNow);
    EXPECT_FALSE(input.value) << c.parameter;
    EXPECT_EQ(c.parameter, input.error.parameter);
    EXPECT_FALSE(input.error.message.empty());
    EXPECT_EQ(std::string::npos, input.error.message.find("caelix chart")) << input.error.message;
  }
}

TEST(ChartRequest, SplitsTheCommandLinesErrorLine) {
  const struct {
    const char* line;
    const char* parameter;
    const char* message;
  } cases[] = {
      {"caelix chart: --lon: a number: -360 to 360", "lon", "a number: -360 to 360"},
      {"caelix chart: --tz: no zone 'X: Y'", "tz", "no zone 'X: Y'"},
      {"caelix chart: --: odd", "", "caelix chart: --: odd"},
      {"something else", "", "something else"},
  };
  for (const auto& c : cases) {
    const ParamError e = ParamErrorFromCommandLine(c.line);
    EXPECT_EQ(c.parameter, e.parameter) << c.line;
    EXPECT_EQ(c.message, e.message) << c.line;
  }
}

TEST(ChartRequest, JsonBodyValuesAreStringsOrNumbersAsWritten) {
  const auto r = ParamsFromJsonBody(R"({"date": "2000-01-01", "lat": 50.0830, "lon": -1e0, "houses": "P"})");
  ASSERT_TRUE(r.value) << r.error.message;
  ASSERT_EQ(4u, r.value->size());
  EXPECT_EQ("date", (*r.value)[0].name);
  EXPECT_EQ("50.0830", (*r.value)[1].value);  // the digits as written, for the command line's parser
  EXPECT_EQ("-1e0", (*r.value)[2].value);     // which refuses an exponent, as on the command line
}

TEST(ChartRequest, RefusesJsonBodiesThatAreNotAnObjectOfValues) {
  const struct {
    const char* body;
    const char* parameter;
  } cases[] = {
      {"", "body"},
      {"{", "body"},
      {"[]", "body"},
      {"\"date\"", "body"},
      {R"({"date": "2000-01-01"} x)", "body"},
      {R"({"date": true})", "date"},
      {R"({"lat": null})", "lat"},
      {R"({"time": ["12:00"]})", "time"},
      {R"({"houses": {"code": "P"}})", "houses"},
  };
  for (const auto& c : cases) {
    const auto r = ParamsFromJsonBody(c.body);
    EXPECT_FALSE(r.value) << c.body;
    EXPECT_EQ(c.parameter, r.error.parameter) << c.body;
  }
}

}  // namespace
}  // namespace caelix

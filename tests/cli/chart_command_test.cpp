#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "chart/compute_chart.h"
#include "support/near.h"
#include "support/run.h"
#include "support/sample_chart.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

using testing::Near;
using testing::NearAngle;
using testing::RunCaelix;

TEST(ChartCommand, JsonOfTheReferenceChart) {
  const auto r =
      RunCaelix("chart --date 2000-01-01 --time 12:00 --lon 14.417 --lat 50.083 --houses P --json --engine classic");
  ASSERT_EQ(0, r.status) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(2451545.0, j["jdUT"].get<double>());
  EXPECT_TRUE(Near(66.03, (j["jde"].get<double>() - 2451545.0) * 86400.0, 0.005));
  EXPECT_EQ("P", j["input"]["houseCode"]);
  EXPECT_EQ("Placidus", j["input"]["houseName"]);
  const auto& bodies = j["bodies"];
  ASSERT_EQ(33u, bodies.size());
  // The raw angles and cusps, shifted only by the apparent place.
  struct Case {
    int id;
    const char* key;
    const char* label;
    double raw;
  } const cases[] = {{12, "Ascendant", "As", 49.6804}, {13, "Midheaven", "Mc", 293.0440},
                     {14, "Vertex", "Vx", 199.8498},   {17, "Cusp2", "D02", 76.0814},
                     {18, "Cusp3", "D03", 94.7998},    {19, "Cusp11", "D11", 315.6687},
                     {20, "Cusp12", "D12", 351.4847}};
  for (const Case& c : cases) {
    const auto& b = bodies[c.id - 1];
    EXPECT_EQ(c.id, b["id"]);
    EXPECT_EQ(c.key, b["key"]);
    EXPECT_EQ(c.label, b["label"]);
    EXPECT_TRUE(NearAngle(c.raw, b["longitude"].get<double>(), 0.015)) << c.key;
    EXPECT_TRUE(b["longitudeNext"].is_null());
    EXPECT_TRUE(b["declinationNext"].is_null());
  }
  EXPECT_EQ("Sun", bodies[0]["key"]);
  EXPECT_TRUE(bodies[0]["declinationNext"].is_number());
  EXPECT_EQ("Ixion", bodies[32]["key"]);
}

}  // namespace
}  // namespace caelix

namespace caelix {
namespace {

TEST(ChartCommand, RefusesEveryBadValueNamingTheOption) {
  struct Case {
    const char* args;
    const char* option;
  } const cases[] = {
      {"--date 2006-13-01", "--date"},
      {"--date 2006-02-29", "--date"},
      {"--date 2006-00-10", "--date"},
      {"--date 2006-01-00", "--date"},
      {"--date 20x6-01-01", "--date"},
      {"--date 100000-01-01", "--date"},
      {"--date=-10000-01-01", "--date"},
      {"--date 2006/01/01", "--date"},
      {"--date ''", "--date"},
      {"--time 24:00", "--time"},
      {"--time 12:60", "--time"},
      {"--time 12", "--time"},
      {"--time 12:5", "--time"},
      {"--time 12:30:60", "--time"},
      {"--time 1a:00", "--time"},
      {"--time 12:59.9.9", "--time"},
      {"--lon 361", "--lon"},
      {"--lon -360.5", "--lon"},
      {"--lon abc", "--lon"},
      {"--lon 1e3", "--lon"},
      {"--lon nan", "--lon"},
      {"--lat 66", "--lat"},
      {"--lat=-66", "--lat"},
      {"--lat 12..5", "--lat"},
      {"--lat inf", "--lat"},
      {"--houses X", "--houses"},
      {"--houses ''", "--houses"},
      {"--frobnicate", "--frobnicate"},
  };
  for (const Case& c : cases) {
    const auto r = RunCaelix(std::string("chart ") + c.args);
    EXPECT_EQ(2, r.status) << c.args;
    EXPECT_TRUE(r.out.empty()) << c.args << ": " << r.out;
    EXPECT_NE(std::string::npos, r.err.find(c.option)) << c.args << ": " << r.err;
    EXPECT_EQ(1, std::count(r.err.begin(), r.err.end(), '\n')) << c.args << ": " << r.err;
  }
}

TEST(ChartCommand, AcceptsTheEdgesOfEveryRange) {
  const char* const cases[] = {
      "--date 2004-02-29",  "--date 1500-02-29", "--date=-44-03-15", "--date=-0044-03-15", "--date 99999-12-31",
      "--date=-9999-01-01", "--time 23:59.999",  "--time 00:00:59",  "--lon 360",          "--lon=-360",
      "--lat 65.999",       "--lat=-65.999",     "--houses koch",    "--houses C",         "--houses Placidus",
  };
  for (const char* args : cases) {
    const auto r = RunCaelix(std::string("chart --json ") + args);
    EXPECT_EQ(0, r.status) << args << ": " << r.err;
    EXPECT_TRUE(nlohmann::json::accept(r.out)) << args;
  }
}

TEST(ChartCommand, NegativeYearsWithAndWithoutLeadingZeros) {
  const auto a = RunCaelix("chart --date=-44-03-15 --time 12:00 --json");
  const auto b = RunCaelix("chart --date -0044-03-15 --time 12:00 --json");
  ASSERT_EQ(0, a.status);
  const auto ja = nlohmann::json::parse(a.out);
  EXPECT_EQ(-44.0, ja["input"]["year"].get<double>());
  EXPECT_EQ(ja["jdUT"], nlohmann::json::parse(b.out)["jdUT"]);
}

TEST(ChartCommand, HelpAndDefaults) {
  const auto help = RunCaelix("--help");
  EXPECT_EQ(0, help.status);
  EXPECT_NE(std::string::npos, help.out.find("chart"));
  const auto chartHelp = RunCaelix("chart --help");
  EXPECT_EQ(0, chartHelp.status);
  EXPECT_NE(std::string::npos, chartHelp.out.find("--houses"));
  caelix::testing::TempDir empty;
  const auto now = RunCaelix("chart --json --data-dir " + empty.Path().string());
  ASSERT_EQ(0, now.status) << now.err;
  const auto j = nlohmann::json::parse(now.out);
  EXPECT_EQ(14.417, j["input"]["longitude"].get<double>());
  EXPECT_EQ(50.083, j["input"]["latitude"].get<double>());
  EXPECT_EQ("P", j["input"]["houseCode"]);
}

}  // namespace
}  // namespace caelix

namespace caelix {
namespace {

TEST(ChartCommand, JsonNumbersReadBackToTheSameDoubles) {
  const auto r =
      RunCaelix("chart --date 2006-02-28 --time 17:42.5 --lon 14.417 --lat 50.083 --houses K --json --engine classic");
  ASSERT_EQ(0, r.status) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  const ChartResult chart = ComputeChart(testing::SampleInput(2));
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    const auto& b = j["bodies"][i - 1];
    const BodySlot& s = chart[static_cast<BodyId>(i)];
    if (s.longitude == kNoLongitude) {
      EXPECT_TRUE(b["longitude"].is_null()) << i;
      continue;
    }
    EXPECT_EQ(s.longitude, b["longitude"].get<double>()) << i;
    if (!IsTableBody(static_cast<BodyId>(i))) {
      EXPECT_EQ(s.declination, b["declination"].get<double>()) << i;
    }
  }
}

}  // namespace
}  // namespace caelix

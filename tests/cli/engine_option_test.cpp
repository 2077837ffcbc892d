// `--engine` on chart, batch and gui: precise by default on the command line, classic on request,
// the classic engine outside the precise span, and the engine named in the JSON.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "chart/compute_chart.h"
#include "support/run.h"

namespace caelix {
namespace {

using testing::RunCaelix;

constexpr const char* kMadrid = "chart --date 1985-07-14 --time 07:20 --lon -3.7038 --lat 40.4168 --json";

struct EngineCase {
  const char* options;
  const char* date;
  const char* wantEngine;
};

constexpr EngineCase kCases[] = {
    {"", "1985-07-14", "precise"},
    {"--engine precise", "1985-07-14", "precise"},
    {"--engine classic", "1985-07-14", "classic"},
    {"", "1500-03-01", "classic"},  // outside the precise span: the classic engine computes it
    {"--engine precise", "2200-01-01", "classic"},
};

TEST(EngineOption, ChartNamesTheEngineThatComputed) {
  for (const EngineCase& c : kCases) {
    const auto r =
        RunCaelix(std::string("chart --time 07:20 --lon -3.7 --lat 40.4 --json --date ") + c.date + " " + c.options);
    ASSERT_EQ(0, r.status) << c.options << ": " << r.err;
    EXPECT_EQ(c.wantEngine, nlohmann::json::parse(r.out)["engine"]) << c.date << " " << c.options;
  }
}

// The classic engine outside the precise span gives exactly the classic chart.
TEST(EngineOption, HandOverGivesTheClassicValues) {
  const auto precise = RunCaelix("chart --date 1500-03-01 --time 07:20 --lon -3.7 --lat 40.4 --json");
  const auto classic = RunCaelix("chart --date 1500-03-01 --time 07:20 --lon -3.7 --lat 40.4 --json --engine classic");
  EXPECT_EQ(classic.out, precise.out);
}

// The precise chart differs from the classic one (the classic engine's errors reach arcminutes),
// and its jde carries the observed Delta T of 1985 (54.6 s), not the classic model's.
TEST(EngineOption, PreciseAndClassicDiffer) {
  const auto precise = nlohmann::json::parse(RunCaelix(kMadrid).out);
  const auto classic = nlohmann::json::parse(RunCaelix(std::string(kMadrid) + " --engine classic").out);
  const double preciseDeltaT = (precise["jde"].get<double>() - precise["jdUT"].get<double>()) * 86400.0;
  EXPECT_NEAR(54.6, preciseDeltaT, 0.2);
  EXPECT_NE(precise["bodies"][0]["longitude"], classic["bodies"][0]["longitude"]);
}

TEST(EngineOption, BadEngineIsRefusedWithAMessage) {
  for (const char* command : {"chart --engine fast", "batch --engine", "gui --engine exact"}) {
    const auto r = RunCaelix(command, "");
    EXPECT_NE(0, r.status) << command;
    EXPECT_NE(std::string::npos, r.err.find("engine")) << command << ": " << r.err;
  }
}

TEST(EngineOption, BatchUsesTheEngineOfItsOption) {
  const std::string rows = "1985-07-14,07:20,-3.7038,40.4168,P\n1500-03-01,07:20,-3.7,40.4,K\n";
  const auto precise = RunCaelix("batch --threads 1", rows);
  const auto classic = RunCaelix("batch --threads 1 --engine classic", rows);
  ASSERT_EQ(0, precise.status) << precise.err;
  ASSERT_EQ(0, classic.status) << classic.err;
  std::istringstream p(precise.out), c(classic.out);
  std::string p1, p2, c1, c2;
  std::getline(p, p1), std::getline(p, p2), std::getline(c, c1), std::getline(c, c2);
  EXPECT_EQ("precise", nlohmann::json::parse(p1)["engine"]);
  EXPECT_EQ("classic", nlohmann::json::parse(p2)["engine"]);
  EXPECT_EQ("classic", nlohmann::json::parse(c1)["engine"]);
  EXPECT_EQ(c2, p2);
  // The batch line is the chart command's JSON without the pages.
  const auto chart = nlohmann::json::parse(RunCaelix(kMadrid).out);
  EXPECT_EQ(chart["bodies"], nlohmann::json::parse(p1)["bodies"]);
}

}  // namespace
}  // namespace caelix

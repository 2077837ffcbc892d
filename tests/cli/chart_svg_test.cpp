#include "cli/chart_svg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "chart/compute_chart.h"
#include "support/run.h"

namespace caelix {
namespace {

using testing::ReadWhole;
using testing::RunCaelix;

TEST(ChartSvg, EveryPlacedSymbolCarriesItsTapText) {
  ChartInput in{28, 2, 2006, 17, 42.5, 14.417, 50.083, 0};
  ChartResult chart;
  chart[BodyId::Sun] = {5.12, 0, 5.12 + 0.9856, 0};
  chart[BodyId::Lilith] = {-1.0, -91, -1.0, -91};
  const std::string svg = ChartWheelSvg(in, chart, 480);
  EXPECT_NE(std::string::npos, svg.find("width=\"480\" height=\"480\""));
  EXPECT_NE(std::string::npos, svg.find("<title>28.2.2006 17GMT:42.50, 50.08\u00b0 14.42\u00b0</title>"));
  EXPECT_NE(std::string::npos, svg.find("<title>So 05Ar07   0.59</title>"));
  EXPECT_EQ(std::string::npos, svg.find("<title>Ll "));  // no value, not placed
  EXPECT_EQ(std::string::npos, svg.find("<title>Mp "));
  std::size_t titles = 0;
  for (auto at = svg.find("<title>"); at != std::string::npos; at = svg.find("<title>", at + 1)) ++titles;
  EXPECT_EQ(1u + 12u + 7u, titles);  // the centre, 12 bodies, 7 markers
}

TEST(ChartCommand, SvgOptionWritesTheWheel) {
  const auto dir = std::filesystem::temp_directory_path() / ("caelix-svg-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto file = dir / "w.svg";
  const std::string base = "chart --date 2006-02-28 --time 17:42.5 --lon 14.417 --lat 50.083 --svg ";
  const auto r = RunCaelix(base + file.string() + " --style classic --size 300");
  ASSERT_EQ(0, r.status) << r.err;
  const std::string svg = ReadWhole(file);
  EXPECT_NE(std::string::npos, svg.find("width=\"300\" height=\"300\""));
  for (const char* label : {"So ", "Mo ", "Nn ", "As ", "Mc ", "Vx ", "Pf ", "D02 ", "D12 "}) {
    EXPECT_NE(std::string::npos, svg.find(std::string("<title>") + label)) << label;
  }
  EXPECT_NE(std::string::npos, svg.find("<title>28.2.2006 17GMT:42.50, 50.08\u00b0 14.42\u00b0</title>"));

  const auto tooSmall = RunCaelix(base + file.string() + " --size 10");
  EXPECT_EQ(2, tooSmall.status);
  EXPECT_EQ(2, RunCaelix("chart --size 300").status);  // a size without a picture
  const auto unwritable = RunCaelix(base + (dir / "missing" / "w.svg").string());
  EXPECT_EQ(1, unwritable.status);
  EXPECT_NE(std::string::npos, unwritable.err.find("cannot write")) << unwritable.err;
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace caelix

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "support/run.h"

namespace caelix {
namespace {

using testing::RunCaelix;

const std::string kPrague = "chart --date 2006-02-28 --time 17:42.5 --lon 14.417 --lat 50.083 --houses P";

std::string WithoutCarriageReturns(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

// The labels run So to Mp, the house system, the cusps, then the table bodies that have a value,
// in their order, a line "--" before Lilith: whichever bodies the tables give for the date.
TEST(ChartPages, PositionsPageLabels) {
  const auto r = RunCaelix(kPrague + " --page all");
  ASSERT_EQ(0, r.status) << r.err;
  std::istringstream in(r.out);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line) && (lines.size() < 3 || !line.empty());) lines.push_back(line);
  ASSERT_GT(lines.size(), 24u);
  EXPECT_EQ("28.2.2006 17GMT:42.50,", lines[0]);
  EXPECT_EQ("50.08\u00B0 14.42\u00B0:", lines[1]);
  std::vector<std::string> labels;
  for (std::size_t i = 3; i < lines.size(); ++i) labels.push_back(lines[i].substr(0, lines[i].find('\t')));
  const std::vector<std::string> fixed = {"So", "Mo", "Me", "Ve", "Ma", "Ju",       "Sa",  "Ur",  "Ne",  "Pl", "Nn",
                                          "As", "Mc", "Vx", "Pf", "Mp", "Placidus", "D02", "D03", "D11", "D12"};
  EXPECT_TRUE(std::equal(fixed.begin(), fixed.end(), labels.begin()));
  std::vector<std::string> tail(labels.begin() + fixed.size(), labels.end());
  const bool dash = !tail.empty() && tail.front() == "--";
  EXPECT_EQ(dash, tail.size() > (dash ? 1u : 0u) && tail[dash ? 1 : 0] == "Lilith");
  const std::vector<std::string> tableBodies = {"--",     "Lilith", "Lilith true", "Selena", "Waldemath",
                                                "Chiron", "Eros",   "Eris",        "Sedna",  "Orcus",
                                                "Quaoar", "Varuna", "Ixion"};
  auto next = tableBodies.begin();
  for (const std::string& label : tail) {
    next = std::find(next, tableBodies.end(), label);
    ASSERT_NE(tableBodies.end(), next) << label << " out of order or unknown";
    ++next;
  }
}

TEST(ChartPages, EachPageAsInTheJson) {
  const auto json = RunCaelix(kPrague + " --json");
  ASSERT_EQ(0, json.status) << json.err;
  const auto pages = nlohmann::json::parse(json.out)["pages"];
  ASSERT_EQ(4u, pages.size());
  const struct {
    const char* name;
    const char* start;
  } kPages[] = {{"positions", "28.2.2006 17GMT:42.50,\r\n50.08\u00B0 14.42\u00B0:\r\n\r\nSo\t"},
                {"elements", "Element:\r\n\r\nFire:\t"},
                {"quadruplicity", "Quadruplicity:\r\n\r\nCardinal:\t"},
                {"aspects", "Aspects:\r\n\r\nSo:\t"}};
  std::string all;
  for (const auto& page : kPages) {
    EXPECT_EQ(0u, pages[page.name].get<std::string>().rfind(page.start, 0)) << page.name;
    const auto r = RunCaelix(kPrague + " --page " + page.name);
    ASSERT_EQ(0, r.status) << page.name << ": " << r.err;
    EXPECT_EQ(WithoutCarriageReturns(pages[page.name]), r.out) << page.name;
    if (!all.empty()) all += '\n';
    all += r.out;
  }
  EXPECT_EQ(all, RunCaelix(kPrague + " --page all").out);
  EXPECT_EQ(WithoutCarriageReturns(pages["positions"]), RunCaelix(kPrague).out);  // the default page
  EXPECT_EQ(WithoutCarriageReturns(pages["aspects"]), RunCaelix(kPrague + " --page ASPECTS").out);
}

TEST(ChartPages, RefusesAnUnknownPage) {
  for (const char* args : {"--page res", "--page ''", "--page positions,aspects", "--json --page none"}) {
    const auto r = RunCaelix(kPrague + " " + args);
    EXPECT_EQ(2, r.status) << args;
    EXPECT_TRUE(r.out.empty()) << args << ": " << r.out;
    EXPECT_NE(std::string::npos, r.err.find("--page")) << args << ": " << r.err;
    EXPECT_EQ(1, std::count(r.err.begin(), r.err.end(), '\n')) << args << ": " << r.err;
  }
  EXPECT_NE(std::string::npos, RunCaelix("chart --help").out.find("quadruplicity"));
}

}  // namespace
}  // namespace caelix

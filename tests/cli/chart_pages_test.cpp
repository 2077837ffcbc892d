#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <vector>

#include "support/run.h"

namespace caelix {
namespace {

using testing::RunCaelix;

const std::string kPrague =
    "chart --date 2006-02-28 --time 17:42.5 --lon 14.417 --lat 50.083 --houses P --data-dir /nonexistent";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string WithNewlines(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

TEST(ChartPages, AllFourPagesInTheButtonOrder) {
  const auto r = RunCaelix(kPrague + " --page all");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_EQ(std::string::npos, r.out.find('\r'));
  const auto lines = Lines(r.out);
  ASSERT_GT(lines.size(), 30u);
  EXPECT_EQ("28.2.2006 17GMT:42.50,", lines[0]);
  EXPECT_EQ("50.08\u00B0 14.42\u00B0:", lines[1]);
  EXPECT_EQ("", lines[2]);

  // The positions: So to Mp, the house system, the cusps, then the table bodies that have a value
  // in their order, the first of them Lilith after a line "--".
  std::vector<std::string> labels;
  std::size_t i = 3;
  for (; i < lines.size() && !lines[i].empty(); ++i) labels.push_back(lines[i].substr(0, lines[i].find('\t')));
  const std::vector<std::string> fixed = {"So", "Mo", "Me", "Ve", "Ma", "Ju",       "Sa",  "Ur",  "Ne",  "Pl", "Nn",
                                          "As", "Mc", "Vx", "Pf", "Mp", "Placidus", "D02", "D03", "D11", "D12"};
  ASSERT_GE(labels.size(), fixed.size());
  EXPECT_TRUE(std::equal(fixed.begin(), fixed.end(), labels.begin()));
  const std::vector<std::string> tableBodies = {"Lilith", "Lilith true", "Selena", "Waldemath", "Chiron", "Eros",
                                                "Eris",   "Sedna",       "Orcus",  "Quaoar",    "Varuna", "Ixion"};
  std::vector<std::string> tail(labels.begin() + fixed.size(), labels.end());
  if (!tail.empty() && tail.front() == "--") {
    ASSERT_GE(tail.size(), 2u);
    EXPECT_EQ("Lilith", tail[1]);
    tail.erase(tail.begin());
  } else if (!tail.empty()) {
    EXPECT_NE("Lilith", tail.front());
  }
  auto next = tableBodies.begin();
  for (const std::string& label : tail) {
    next = std::find(next, tableBodies.end(), label);
    ASSERT_NE(tableBodies.end(), next) << label << " out of order or unknown";
    ++next;
  }
  const std::regex withMotion(
      R"([A-Za-z ]+\t[0-2][0-9](Ar|Ta|Ge|Cn|Le|Vi|Li|Sc|Sg|Cp|Aq|Pi)[0-6][0-9]\t[ SR] [0-9]+\.[0-6][0-9])");
  const std::regex withoutMotion(
      R"((As|Mc|Vx|Pf|Mp|D02|D03|D11|D12)\t[0-2][0-9](Ar|Ta|Ge|Cn|Le|Vi|Li|Sc|Sg|Cp|Aq|Pi)[0-6][0-9])");
  for (std::size_t k = 3; k < i; ++k) {
    if (lines[k] == "--" || lines[k] == "Placidus") continue;
    EXPECT_TRUE(std::regex_match(lines[k], withMotion) || std::regex_match(lines[k], withoutMotion)) << lines[k];
  }

  // The other three pages follow, each after one empty line.
  ASSERT_LT(i + 1, lines.size());
  EXPECT_EQ("Element:", lines[i + 1]);
  const auto at = [&](const std::string& title) {
    return std::find(lines.begin(), lines.end(), title) - lines.begin();
  };
  EXPECT_EQ(static_cast<std::ptrdiff_t>(i + 1 + 7), at("Quadruplicity:"));
  EXPECT_EQ(at("Quadruplicity:") + 6, at("Aspects:"));
  EXPECT_EQ("", lines[at("Aspects:") - 1]);
  const auto lastRow = std::find_if(lines.rbegin(), lines.rend(), [](const std::string& l) { return l[0] != '\t'; });
  EXPECT_EQ("Mp:\t", lastRow->substr(0, 4));
  EXPECT_EQ(16, std::count_if(lines.begin() + at("Aspects:"), lines.end(), [](const std::string& l) {
              return !l.empty() && l[0] != '\t' && l.find(":\t") != std::string::npos;
            }));
}

TEST(ChartPages, EachPageAsInTheJson) {
  const auto json = RunCaelix(kPrague + " --json");
  ASSERT_EQ(0, json.status) << json.err;
  const auto pages = nlohmann::json::parse(json.out)["pages"];
  ASSERT_EQ(4u, pages.size());
  const std::string positions = pages["positions"];
  EXPECT_EQ(0u, positions.rfind("28.2.2006 17GMT:42.50,\r\n50.08\u00B0 14.42\u00B0:\r\n\r\nSo\t", 0));
  EXPECT_EQ(0u, pages["elements"].get<std::string>().rfind("Element:\r\n\r\nFire:\t", 0));
  EXPECT_EQ(0u, pages["quadruplicity"].get<std::string>().rfind("Quadruplicity:\r\n\r\nCardinal:\t", 0));
  EXPECT_EQ(0u, pages["aspects"].get<std::string>().rfind("Aspects:\r\n\r\nSo:\t", 0));
  std::string all;
  for (const char* page : {"positions", "elements", "quadruplicity", "aspects"}) {
    const auto r = RunCaelix(kPrague + " --page " + page);
    ASSERT_EQ(0, r.status) << page << ": " << r.err;
    EXPECT_EQ(WithNewlines(pages[page]), r.out) << page;
    if (!all.empty()) all += '\n';
    all += r.out;
  }
  EXPECT_EQ(all, RunCaelix(kPrague + " --page all").out);
  EXPECT_EQ(WithNewlines(pages["positions"]), RunCaelix(kPrague).out);  // the default page
  EXPECT_EQ(WithNewlines(pages["aspects"]), RunCaelix(kPrague + " --page ASPECTS").out);
}

TEST(ChartPages, RefusesAnUnknownPage) {
  for (const char* args : {"--page res", "--page ''", "--page positions,aspects", "--json --page none"}) {
    const auto r = RunCaelix(kPrague + " " + args);
    EXPECT_EQ(2, r.status) << args;
    EXPECT_TRUE(r.out.empty()) << args << ": " << r.out;
    EXPECT_NE(std::string::npos, r.err.find("--page")) << args << ": " << r.err;
    EXPECT_EQ(1, std::count(r.err.begin(), r.err.end(), '\n')) << args << ": " << r.err;
  }
  const auto help = RunCaelix("chart --help");
  EXPECT_NE(std::string::npos, help.out.find("--page")) << help.out;
  EXPECT_NE(std::string::npos, help.out.find("quadruplicity")) << help.out;
}

}  // namespace
}  // namespace caelix

#include "cli/batch_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/batch_row.h"
#include "support/run.h"

namespace caelix {
namespace {

TEST(BatchRow, ParsesGoodRowsAndNamesTheBadField) {
  struct Case {
    const char* line;
    bool first;
    BatchRowKind kind;
    const char* errorPart;
  } const cases[] = {
      {"2006-02-28,17:42.5,14.417,50.083,P", false, BatchRowKind::Chart, ""},
      {" 2006-02-28 , 17:42.50 , 14.417 , 50.083 , K \r", false, BatchRowKind::Chart, ""},
      {"-44-03-15,12:00,12.5,41.9,C", false, BatchRowKind::Chart, ""},
      {"", false, BatchRowKind::Skip, ""},
      {"   \r", false, BatchRowKind::Skip, ""},
      {"date,time,lon,lat,house", true, BatchRowKind::Skip, ""},
      {"date,time,lon,lat,house", false, BatchRowKind::Bad, "date"},
      {"2006-02-28,17:42.5,14.417,50.083", false, BatchRowKind::Bad, "5 fields"},
      {"2006-02-28,17:42.5,14.417,50.083,P,extra", false, BatchRowKind::Bad, "more than 5"},
      {"2006-02-29,17:42.5,14.417,50.083,P", false, BatchRowKind::Bad, "date"},
      {"2006-02-28,24:00,14.417,50.083,P", false, BatchRowKind::Bad, "time"},
      {"2006-02-28,17:42.5,400,50.083,P", false, BatchRowKind::Bad, "longitude"},
      {"2006-02-28,17:42.5,14.417,66,P", false, BatchRowKind::Bad, "latitude"},
      {"2006-02-28,17:42.5,14.417,50.083,X", false, BatchRowKind::Bad, "house"},
      {"2006-02-28,17:42.5,14.417,50.083,PC", false, BatchRowKind::Bad, "house"},
  };
  for (const Case& c : cases) {
    const BatchRow r = ParseBatchRow(c.line, c.first);
    EXPECT_EQ(c.kind, r.kind) << c.line;
    EXPECT_NE(std::string::npos, r.error.find(c.errorPart)) << c.line << ": " << r.error;
  }
  const BatchRow r = ParseBatchRow("2006-02-28,17:42.5,14.417,50.083,K", false);
  EXPECT_EQ(28.0, r.input.day);
  EXPECT_EQ(42.5, r.input.minute);
  EXPECT_EQ('K', r.input.houseCode());
}

std::string Rows(int n) {
  std::ostringstream s;
  s << "date,time,lon,lat,house\n";
  for (int i = 0; i < n; ++i) {
    s << 1900 + (i * 7) % 200 << "-" << 1 + i % 12 << "-" << 1 + i % 28 << "," << (i % 24 < 10 ? "0" : "") << i % 24
      << ":" << (i % 60 < 10 ? "0" : "") << i % 60 << ".25," << (i % 360) - 180 << "," << (i % 130) - 65 + 0.5 << ","
      << "PCK"[i % 3] << "\n";
    if (i % 500 == 7) s << "\n1999-13-01,00:00,0,0,P\n";
  }
  return s.str();
}

TEST(BatchCommand, KeepsInputOrderOnEveryThreadCountAndReportsBadLines) {
  const std::string input = Rows(2100);  // more than two blocks
  std::string reference;
  for (unsigned threads : {1u, 2u, 5u}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    BatchOptions options;
    options.threads = threads;
    options.progress = false;
    EXPECT_EQ(1, RunBatchCommand(options, in, out, err));
    if (reference.empty()) reference = out.str();
    EXPECT_EQ(reference, out.str()) << threads << " threads";
    const std::string errors = err.str();
    EXPECT_EQ(5, std::count(errors.begin(), errors.end(), '\n')) << errors;
    EXPECT_NE(std::string::npos, errors.find("line 11: date")) << errors;
  }
  std::istringstream lines(reference);
  std::string line;
  int n = 0;
  while (std::getline(lines, line)) {
    const auto j = nlohmann::json::parse(line);
    ASSERT_EQ(1900 + (n * 7) % 200, j["input"]["year"].get<int>()) << n;
    ++n;
  }
  EXPECT_EQ(2100, n);
}

TEST(BatchCommand, MatchesChartJsonEndToEnd) {
  const auto batch = testing::RunCaelix("batch --pages", "2000-01-01,12:00,14.417,50.083,P\n");
  const auto chart =
      testing::RunCaelix("chart --date 2000-01-01 --time 12:00 --lon 14.417 --lat 50.083 --houses P --json");
  EXPECT_EQ(0, batch.status);
  EXPECT_EQ(chart.out, batch.out);
  const auto withoutPages = testing::RunCaelix("batch", "2000-01-01,12:00,14.417,50.083,P\n");
  auto j = nlohmann::json::parse(chart.out);
  j.erase("pages");
  EXPECT_EQ(j, nlohmann::json::parse(withoutPages.out));
  const auto empty = testing::RunCaelix("batch", "");
  EXPECT_EQ(0, empty.status);
  EXPECT_TRUE(empty.out.empty());
  EXPECT_EQ(2, testing::RunCaelix("batch --threads 0").status);
}

}  // namespace
}  // namespace caelix

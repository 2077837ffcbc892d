#include "cli/batch_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <system_error>
#include <vector>

#include "cli/batch_row.h"
#include "cli/bounded_line.h"
#include "support/run.h"

namespace caelix {
namespace {

TEST(BatchRow, ParsesGoodRowsAndNamesTheBadField) {
  struct Case {
    const char* line;
    BatchRowKind kind;
    const char* errorPart;
  } const cases[] = {
      {"2006-02-28,17:42.5,14.417,50.083,P", BatchRowKind::Chart, ""},
      {" 2006-02-28 , 17:42.50 , 14.417 , 50.083 , K \r", BatchRowKind::Chart, ""},
      {"-44-03-15,12:00,12.5,41.9,C", BatchRowKind::Chart, ""},
      {"2006-02-28,17:42.5,14.417,50.083,p", BatchRowKind::Chart, ""},
      {"2006-02-28,17:42.5,14.417,50.083,Koch", BatchRowKind::Chart, ""},
      {"", BatchRowKind::Skip, ""},
      {"   \r", BatchRowKind::Skip, ""},
      {"date,time,lon,lat,house", BatchRowKind::Bad, "date"},
      {"2006-02-28,17:42.5,14.417,50.083", BatchRowKind::Bad, "5 fields date,time,lon,lat,houses, got 4"},
      {"2006-02-28,17:42.5,14.417,50.083,P,extra", BatchRowKind::Bad, "more than 5"},
      {"2006-02-29,17:42.5,14.417,50.083,P", BatchRowKind::Bad, "date"},
      {"2006-02-28,24:00,14.417,50.083,P", BatchRowKind::Bad, "time"},
      {"2006-02-28,17:42.5,400,50.083,P", BatchRowKind::Bad, "longitude"},
      {"2006-02-28,17:42.5,14.417,66,P", BatchRowKind::Bad, "latitude"},
      {"2006-02-28,17:42.5,14.417,50.083,X", BatchRowKind::Bad, "house"},
      {"2006-02-28,17:42.5,14.417,50.083,PC", BatchRowKind::Bad, "house"},
  };
  for (const Case& c : cases) {
    const BatchRow r = ParseBatchRow(c.line, HeaderlessBatchLayout());
    EXPECT_EQ(c.kind, r.kind) << c.line;
    EXPECT_NE(std::string::npos, r.error.find(c.errorPart)) << c.line << ": " << r.error;
    EXPECT_FALSE(r.id.has_value()) << c.line;
  }
  const BatchRow r = ParseBatchRow("2006-02-28,17:42.5,14.417,50.083,K", HeaderlessBatchLayout());
  EXPECT_EQ(28.0, r.input.day);
  EXPECT_EQ(42.5, r.input.minute);
  EXPECT_EQ('K', r.input.houseCode());
}

TEST(BatchHeader, OnlyALineThatNamesTheColumnsIsAHeader) {
  struct Case {
    const char* line;
    BatchHeaderKind kind;
    const char* errorPart;
  } const cases[] = {
      {"date,time,lon,lat,houses", BatchHeaderKind::Header, ""},
      {"\xEF\xBB\xBF"
       "date,time,lon,lat,houses\r",
       BatchHeaderKind::Header, ""},
      {" Date , TIME,Longitude,latitude,House", BatchHeaderKind::Header, ""},
      {"id,houses,lat,lon,time,date", BatchHeaderKind::Header, ""},
      {"2006-02-28,17:42.5,14.417,50.083,P", BatchHeaderKind::NotHeader, ""},
      {"hello,world", BatchHeaderKind::NotHeader, ""},
      {"# date of birth", BatchHeaderKind::NotHeader, ""},
      {"date,time,lon,lat,houses,town", BatchHeaderKind::BadHeader, "'town' is not a column"},
      {"date,time,lon,lat,houses,", BatchHeaderKind::BadHeader, "'' is not a column"},
      {"date,time,lon,lat,lat,houses", BatchHeaderKind::BadHeader, "lat named twice"},
      {"date,time,longitude,lon,lat,houses", BatchHeaderKind::BadHeader, "lon named twice"},
      {"date,time,lon,lat", BatchHeaderKind::BadHeader, "houses is missing"},
      {"id", BatchHeaderKind::BadHeader, "date is missing"},
  };
  for (const Case& c : cases) {
    const BatchHeader h = ParseBatchHeader(c.line);
    EXPECT_EQ(c.kind, h.kind) << c.line;
    EXPECT_NE(std::string::npos, h.error.find(c.errorPart)) << c.line << ": " << h.error;
  }
}

TEST(BatchHeader, ItsLayoutPlacesEveryColumnAndCarriesTheId) {
  const BatchHeader h = ParseBatchHeader("houses, id ,lat,lon,time,date");
  ASSERT_EQ(BatchHeaderKind::Header, h.kind);
  struct Case {
    const char* line;
    BatchRowKind kind;
    const char* id;
    const char* errorPart;
  } const cases[] = {
      {"k,anna,-33.5,-120.25,06:30,1999-12-31", BatchRowKind::Chart, "anna", ""},
      {"C, \xC3\xA9mile  ,0,0,00:00,2000-01-01", BatchRowKind::Chart, "\xC3\xA9mile", ""},
      {"P,,0,0,00:00,2000-01-01", BatchRowKind::Chart, "", ""},
      {"P,a\x1b[31m,0,0,00:00,2000-01-01", BatchRowKind::Bad, nullptr, "id: 'a\\x1b[31m'"},
      {"P,\xff,0,0,00:00,2000-01-01", BatchRowKind::Bad, nullptr, "id:"},
      {"P,x,0,0,00:00", BatchRowKind::Bad, nullptr, "6 fields houses,id,lat,lon,time,date, got 5"},
      {"P,x,0,400,00:00,2000-01-01", BatchRowKind::Bad, nullptr, "longitude: '400'"},
  };
  for (const Case& c : cases) {
    const BatchRow r = ParseBatchRow(c.line, h.layout);
    EXPECT_EQ(c.kind, r.kind) << c.line;
    EXPECT_EQ(c.id != nullptr, r.id.has_value()) << c.line;
    if (c.id != nullptr && r.id) {
      EXPECT_EQ(c.id, *r.id);
    }
    EXPECT_NE(std::string::npos, r.error.find(c.errorPart)) << c.line << ": " << r.error;
  }
  const BatchRow r = ParseBatchRow("k,anna,-33.5,-120.25,06:30,1999-12-31", h.layout);
  EXPECT_EQ(1999.0, r.input.year);
  EXPECT_EQ(31.0, r.input.day);
  EXPECT_EQ(6.0, r.input.hour);
  EXPECT_EQ(30.0, r.input.minute);
  EXPECT_EQ(-120.25, r.input.longitude);
  EXPECT_EQ(-33.5, r.input.latitude);
  EXPECT_EQ('K', r.input.houseCode());
  EXPECT_EQ(BatchRowKind::Bad,
            ParseBatchRow("k," + std::string(kMaxIdBytes + 1, 'x') + ",0,0,06:30,1999-12-31", h.layout).kind);
  EXPECT_EQ(BatchRowKind::Chart,
            ParseBatchRow("k," + std::string(kMaxIdBytes, 'x') + ",0,0,06:30,1999-12-31", h.layout).kind);
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

namespace caelix {
namespace {

// What `caelix batch` writes for an input: the ids or years of the charts, and the error lines.
struct BatchRun {
  int status;
  std::vector<std::string> ids;  // "id" when there is one, else the year
  std::string err;
};

BatchRun RunBatch(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  BatchOptions options;
  options.threads = 2;
  options.progress = false;
  BatchRun run{RunBatchCommand(options, in, out, err), {}, err.str()};
  std::istringstream lines(out.str());
  std::string line;
  while (std::getline(lines, line)) {
    const auto j = nlohmann::json::parse(line);
    run.ids.push_back(j.contains("id") ? j["id"].get<std::string>() : std::to_string(j["input"]["year"].get<int>()));
  }
  return run;
}

TEST(BatchCommand, HeaderByteOrderMarkAndLongLines) {
  const std::string row = "2006-02-28,17:42.5,14.417,50.083,P\n";
  const std::string longLine(kMaxLineBytes + 1, '9');
  struct Case {
    std::string input;
    int status;
    std::vector<std::string> ids;
    const char* errorPart;
  } const cases[] = {
      {"\xEF\xBB\xBF" + row, 0, {"2006"}, ""},
      {"\xEF\xBB\xBF"
       "date,time,lon,lat,houses\r\n" +
           row,
       0,
       {"2006"},
       ""},
      {"\n\n"
       "date,time,lon,lat,houses\n\n" +
           row,
       0,
       {"2006"},
       ""},
      {"id,date,time,lon,lat,houses\nfirst," + row + "second," + row, 0, {"first", "second"}, ""},
      {"hello,world\n" + row, 1, {"2006"}, "line 1: expected 5 fields"},
      {row + "date,time,lon,lat,houses\n", 1, {"2006"}, "line 2: date"},
      {"date,time,lon,lat,town\n" + row + row, 1, {}, "line 1: header: 'town' is not a column"},
      {longLine + "\n" + row, 1, {"2006"}, "line 1: longer than 65536 bytes"},
      {row + longLine, 1, {"2006"}, "line 2: longer than 65536 bytes"},
      {std::string(kMaxLineBytes, ' ') + "\n" + row, 0, {"2006"}, ""},
  };
  for (const Case& c : cases) {
    const BatchRun run = RunBatch(c.input);
    const std::string shown = c.input.substr(0, 60);
    EXPECT_EQ(c.status, run.status) << shown;
    EXPECT_EQ(c.ids, run.ids) << shown;
    EXPECT_NE(std::string::npos, run.err.find(c.errorPart)) << shown << ": " << run.err;
    EXPECT_LT(run.err.size(), 300u) << shown;
  }
}

// A stream buffer that gives some rows and then fails as a read error does.
class FailingInput : public std::streambuf {
 public:
  explicit FailingInput(std::string rows) : rows_(std::move(rows)) {
    setg(rows_.data(), rows_.data(), rows_.data() + rows_.size());
  }

 protected:
  int_type underflow() override { throw std::system_error(EIO, std::generic_category(), "read"); }

 private:
  std::string rows_;
};

// An output that refuses everything after its first limit bytes, as a full disk does.
class FullOutput : public std::streambuf {
 public:
  explicit FullOutput(std::size_t limit) : limit_(limit) {}
  std::size_t taken = 0;

 protected:
  int_type overflow(int_type c) override {
    if (taken >= limit_) return traits_type::eof();
    ++taken;
    return c;
  }

 private:
  std::size_t limit_;
};

TEST(BatchCommand, AReadErrorIsNotTheEndOfInputAndAFullOutputStopsTheRun) {
  FailingInput failing("2006-02-28,17:42.5,14.417,50.083,P\n");
  std::istream in(&failing);
  std::ostringstream out, err;
  BatchOptions options;
  options.progress = false;
  EXPECT_EQ(1, RunBatchCommand(options, in, out, err));
  const std::string charts = out.str();
  EXPECT_EQ(1, std::count(charts.begin(), charts.end(), '\n'));  // the row before the error
  EXPECT_NE(std::string::npos, err.str().find("cannot read standard input: Input/output error")) << err.str();

  // 5000 rows and a bad one at the end: a run that went on past the failing output would
  // compute them all and report the bad row.
  std::string rows;
  for (int i = 0; i < 5000; ++i) rows += "2006-02-28,17:42.5,14.417,50.083,P\n";
  rows += "bad\n";
  std::istringstream many(rows);
  FullOutput full(100000);
  std::ostream fullOut(&full);
  std::ostringstream err2;
  EXPECT_EQ(1, RunBatchCommand(options, many, fullOut, err2));
  EXPECT_EQ("", err2.str());
  EXPECT_EQ(100000u, full.taken);
}

}  // namespace
}  // namespace caelix

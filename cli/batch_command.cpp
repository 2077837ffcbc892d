#include "cli/batch_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "chart/precise_chart.h"
#include "cli/batch_row.h"
#include "cli/bounded_line.h"
#include "cli/chart_json.h"
#include "cli/option_checks.h"

namespace caelix {

namespace {

constexpr std::size_t kBlockRows = 1024;

struct Job {
  std::size_t lineNumber;
  BatchRow row;
  std::string output;
};

struct Computing {
  bool withPages;
  Engine engine;
  ClockChoice choice;  // for a repeated or skipped local time without a resolve field
};

std::string ChartLine(const BatchRow& row, const Computing& how) {
  return ChartToJson(ComputeChartWith(how.engine, row.input), how.withPages, row.id, row.birth ? &*row.birth : nullptr);
}

// Resolves the local times of a block and computes its charts on up to `threads` threads, each
// taking every n-th row; a row that cannot be resolved becomes a bad row.
void ComputeBlock(std::vector<Job>& jobs, unsigned threads, const Computing& how) {
  const auto work = [&jobs, threads, &how](unsigned first) {
    for (std::size_t i = first; i < jobs.size(); i += threads) {
      ResolveBatchRow(jobs[i].row, how.choice);
      if (jobs[i].row.kind == BatchRowKind::Chart) jobs[i].output = ChartLine(jobs[i].row, how);
    }
  };
  if (threads <= 1 || jobs.size() < 2) {
    work(0);
    return;
  }
  std::vector<std::thread> pool;
  pool.reserve(threads - 1);
  for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work, t);
  work(0);
  for (std::thread& t : pool) t.join();
}

class Progress {
 public:
  explicit Progress(bool enabled) : enabled_(enabled && ::isatty(STDERR_FILENO) == 1) {}

  void Update(std::size_t rows) {
    if (!enabled_) return;
    const double seconds = Elapsed();
    if (seconds < 1.0) return;
    std::fprintf(stderr, "\r%zu rows, %.0f rows/s", rows, rows / seconds);
    std::fflush(stderr);
    shown_ = true;
  }

  void Finish(std::size_t rows) {
    if (!enabled_) return;
    if (Elapsed() >= 1.0) Update(rows);
    if (shown_) std::fputc('\n', stderr);
  }

 private:
  double Elapsed() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }

  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Reads the rows of in block by block, the header first: the first line that is not blank is the
// header when it names the columns, and the layout of every row after it.
class RowReader {
 public:
  explicit RowReader(std::istream& in) : in_(*in.rdbuf()) {}

  // Fills jobs with up to kBlockRows lines; returns false once the input has ended, or a header
  // or a read error has ended the reading (Failed then says why).
  bool ReadBlock(std::vector<Job>& jobs) {
    jobs.clear();
    std::string line;
    while (jobs.size() < kBlockRows) {
      LineRead read = LineRead::End;
      try {
        read = ReadBoundedLine(in_, line);
      } catch (const std::system_error& e) {
        failure_ = "cannot read standard input: " + e.code().message();
        return false;
      }
      if (read == LineRead::End) return false;
      ++lineNumber_;
      if (read == LineRead::TooLong) {
        jobs.push_back(Job{lineNumber_, BadRow("longer than " + std::to_string(kMaxLineBytes) + " bytes"), {}});
        continue;
      }
      const std::string_view text = lineNumber_ == 1 ? WithoutByteOrderMark(line) : std::string_view(line);
      if (layout_) {
        jobs.push_back(Job{lineNumber_, ParseBatchRow(text, *layout_), {}});
        continue;
      }
      // The first line that is not blank: a header sets the layout and is skipped, a row sets the
      // layout without a header, a bad header ends the reading.
      const BatchRow blank = ParseBatchRow(text, HeaderlessBatchLayout());
      if (blank.kind == BatchRowKind::Skip) continue;
      BatchHeader header = ParseBatchHeader(text);
      if (header.kind == BatchHeaderKind::BadHeader) {
        jobs.push_back(Job{lineNumber_, BadRow(std::move(header.error)), {}});
        return false;
      }
      const bool isHeader = header.kind == BatchHeaderKind::Header;
      layout_ = isHeader ? header.layout : HeaderlessBatchLayout();
      if (!isHeader) jobs.push_back(Job{lineNumber_, blank, {}});
    }
    return true;
  }

  const std::string& Failure() const { return failure_; }

 private:
  static BatchRow BadRow(std::string error) {
    BatchRow row;
    row.kind = BatchRowKind::Bad;
    row.error = std::move(error);
    return row;
  }

  std::streambuf& in_;
  std::size_t lineNumber_ = 0;
  std::optional<BatchLayout> layout_;
  std::string failure_;
};

}  // namespace

CLI::App* AddBatchCommand(CLI::App& app, BatchOptions& options) {
  CLI::App* batch = app.add_subcommand(
      "batch",
      "Compute many charts: one CSV row per chart on stdin, one JSON line per chart on stdout, in input order. "
      "Rows are YYYY-MM-DD,HH:MM.mm,lon,lat,H with H a house system (P, C, K or its name), the time UT. A first "
      "line that names the columns is a header: date, time, lon, lat, houses in any order, and the optional "
      "columns id (carried to the output), place and tz (the time is then the local clock, resolved as chart's "
      "--place and --tz do; lon and lat override the place's and may be left out or empty with a place) and "
      "resolve (earlier or later, as chart's --resolve). Example header: id,date,time,place,tz,lon,lat,houses. "
      "A field in double quotes may hold commas (\"Paris, FR\"), \"\" standing for a quote. Blank lines are "
      "skipped; lines longer than 64 KiB are refused");
  batch->add_option("--threads", options.threads, "Threads to compute with (default: the number of cores)")
      ->transform(DecimalDigits())
      ->check(CLI::Range(1u, 256u));
  batch->add_flag("--pages", options.pages, "Include the four page texts in each JSON line");
  batch
      ->add_option("--engine", options.engine,
                   "Engine: precise (default; 21 January 1800 to 7 February 2100, the classic engine outside, "
                   "named in each line's \"engine\") or classic (the original computation)")
      ->check(CLI::IsMember({"precise", "classic"}));
  batch
      ->add_option("--resolve", options.resolve,
                   "For a row's local time that occurs twice or never (daylight saving changes): take the earlier "
                   "or the later of its two UT readings, unless the row's resolve column says (default: the row "
                   "is refused, naming both)")
      ->check(CLI::IsMember({"earlier", "later"}));
  return batch;
}

int RunBatchCommand(const BatchOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
  unsigned threads = options.threads;
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());

  Progress progress(options.progress);
  bool anyBad = false;
  std::size_t rowsDone = 0;
  const Computing how{options.pages, ParseEngine(options.engine).value_or(Engine::Precise),
                      options.resolve == "earlier" ? ClockChoice::Earlier
                      : options.resolve == "later" ? ClockChoice::Later
                                                   : ClockChoice::Refuse};
  RowReader reader(in);
  std::vector<Job> jobs;
  jobs.reserve(kBlockRows);
  bool more = true;
  while (more) {
    more = reader.ReadBlock(jobs);
    ComputeBlock(jobs, threads, how);
    for (const Job& job : jobs) {
      if (job.row.kind == BatchRowKind::Bad) {
        err << "caelix batch: line " << job.lineNumber << ": " << job.row.error << '\n';
        anyBad = true;
      } else if (job.row.kind == BatchRowKind::Chart) {
        out << job.output << '\n';
        ++rowsDone;
      }
    }
    if (!out.flush()) return 1;  // the reader has gone or the disk is full: stop at once
    progress.Update(rowsDone);
  }
  progress.Finish(rowsDone);
  if (!reader.Failure().empty()) {
    err << "caelix batch: " << reader.Failure() << '\n';
    return 1;
  }
  return anyBad ? 1 : 0;
}

}  // namespace caelix

#include "cli/batch_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <istream>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "chart/compute_chart.h"
#include "cli/batch_row.h"
#include "cli/chart_json.h"

namespace caelix {

namespace {

constexpr std::size_t kBlockRows = 1024;

struct Job {
  std::size_t lineNumber;
  BatchRow row;
  std::string output;
};

std::string ChartLine(const ChartInput& input, bool withPages) { return ChartToJson(ComputeChart(input), withPages); }

// Computes the charts of a block on up to `threads` threads, each taking every n-th row.
void ComputeBlock(std::vector<Job>& jobs, unsigned threads, bool withPages) {
  const auto work = [&jobs, threads, withPages](unsigned first) {
    for (std::size_t i = first; i < jobs.size(); i += threads) {
      if (jobs[i].row.kind == BatchRowKind::Chart) jobs[i].output = ChartLine(jobs[i].row.input, withPages);
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

}  // namespace

CLI::App* AddBatchCommand(CLI::App& app, BatchOptions& options) {
  CLI::App* batch = app.add_subcommand(
      "batch",
      "Compute many charts: one CSV row per chart on stdin (YYYY-MM-DD,HH:MM.mm,lon,lat,H with H one of P, C, K; "
      "a header row and blank lines are skipped), one JSON line per chart on stdout, in input order");
  batch->add_option("--threads", options.threads, "Threads to compute with (default: the number of cores)")
      ->check(CLI::Range(1u, 256u));
  batch->add_flag("--pages", options.pages, "Include the four page texts in each JSON line");
  return batch;
}

int RunBatchCommand(const BatchOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
  unsigned threads = options.threads;
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());

  Progress progress(options.progress);
  bool anyBad = false;
  std::size_t lineNumber = 0;
  std::size_t rowsDone = 0;
  std::string line;
  std::vector<Job> jobs;
  jobs.reserve(kBlockRows);
  bool more = true;
  while (more) {
    jobs.clear();
    while (jobs.size() < kBlockRows && (more = static_cast<bool>(std::getline(in, line)))) {
      ++lineNumber;
      jobs.push_back(Job{lineNumber, ParseBatchRow(line, lineNumber == 1), {}});
    }
    ComputeBlock(jobs, threads, options.pages);
    for (const Job& job : jobs) {
      if (job.row.kind == BatchRowKind::Bad) {
        err << "caelix batch: line " << job.lineNumber << ": " << job.row.error << '\n';
        anyBad = true;
      } else if (job.row.kind == BatchRowKind::Chart) {
        out << job.output << '\n';
        ++rowsDone;
      }
    }
    out.flush();
    progress.Update(rowsDone);
  }
  progress.Finish(rowsDone);
  return anyBad ? 1 : 0;
}

}  // namespace caelix

// `caelix chart` for one chart as a whole process: start, compute, print, exit.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace caelix {
namespace {

// A fresh empty folder for the stored files, made once per benchmark run.
const std::string& DataDir() {
  static const std::string dir = [] {
    std::string pattern = "/tmp/caelix-bench-XXXXXX";
    return std::string(mkdtemp(pattern.data()) ? pattern : "/tmp");
  }();
  return dir;
}

// Runs caelix with the arguments after argv[0] until the state stops, its output to /dev/null.
void RunProcess(benchmark::State& state, std::vector<std::string> args) {
  args.insert(args.begin(), "caelix");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, CAELIX_BINARY, &actions, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("cannot start caelix");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("caelix chart failed");
  }
  posix_spawn_file_actions_destroy(&actions);
}

void BM_ChartProcess(benchmark::State& state) {
  RunProcess(state, {"chart", "--date", "2006-02-28", "--time", "17:42.5", "--data-dir", DataDir()});
}
BENCHMARK(BM_ChartProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);

// The same chart from the local clock and a town: the atlas searched and the zone read.
void BM_ChartProcessWithPlace(benchmark::State& state) {
  RunProcess(state,
             {"chart", "--date", "2006-02-28", "--time", "18:42.5", "--place", "Prague", "--data-dir", DataDir()});
}
BENCHMARK(BM_ChartProcessWithPlace)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// With a zone but no town: the zone read, no atlas search.
void BM_ChartProcessWithZone(benchmark::State& state) {
  RunProcess(state, {"chart", "--date", "2006-02-28", "--time", "18:42.5", "--tz", "Europe/Prague", "--lon", "14.417",
                     "--lat", "50.083", "--data-dir", DataDir()});
}
BENCHMARK(BM_ChartProcessWithZone)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace caelix

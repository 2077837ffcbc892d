// `caelix chart` for one chart as a whole process: start, compute, print, exit.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace caelix {
namespace {

void BM_ChartProcess(benchmark::State& state) {
  char arg0[] = "caelix";
  char arg1[] = "chart";
  char arg2[] = "--date";
  char arg3[] = "2006-02-28";
  char arg4[] = "--time";
  char arg5[] = "17:42.5";
  char arg6[] = "--data-dir";
  char arg7[] = "/nonexistent";
  char* argv[] = {arg0, arg1, arg2, arg3, arg4, arg5, arg6, arg7, nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, CAELIX_BINARY, &actions, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start caelix");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("caelix chart failed");
  }
  posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_ChartProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace caelix

// Two programs saving into one data folder at once: each save of the history reads the old
// records, merges its input and writes the result, and both inputs must be kept.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/stored_files.h"
#include "platform/file_lock.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

using caelix::testing::TempDir;

HistoryRecord Input(int n) { return {static_cast<double>(1 + n % 28), 1, 2000.0 + n, 12, 0, 50, 14}; }

bool Holds(const History& history, const HistoryRecord& r) {
  return std::find(history.begin(), history.end(), r) != history.end();
}

// Starts a process that waits for a byte on the pipe, saves input and ends.
pid_t SaverAfterSignal(const std::filesystem::path& dir, const HistoryRecord& input, int readEnd) {
  const pid_t child = ::fork();
  if (child == 0) {
    char go = 0;
    const bool started = ::read(readEnd, &go, 1) == 1;
    SaveHistory(dir, input);
    ::_exit(started ? 0 : 1);
  }
  return child;
}

bool EndedWell(pid_t child) {
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(ConcurrentSaves, ASaveWaitsForTheLockAndReadsTheHistoryOnlyThen) {
  // This process plays a saver that has read the history and not yet written it: it holds the
  // lock while another process starts its save, then writes its own record and lets go. The
  // other save must find that record: it read after taking the lock.
  TempDir dir;
  SaveHistory(dir.Path(), Input(0));
  int go[2];
  ASSERT_EQ(0, ::pipe(go));
  // Started before the lock is taken: a child would inherit the lock with the descriptor.
  const pid_t other = SaverAfterSignal(dir.Path(), Input(2), go[0]);
  {
    const FileLock lock(dir.Path() / kLockFileName);
    ASSERT_TRUE(lock.Held());
    ASSERT_EQ(1, ::write(go[1], "g", 1));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // time enough to save, were it not waiting
    EXPECT_FALSE(Holds(LoadHistory(dir.Path()), Input(2))) << "the other save did not wait for the lock";
    const History mine = MergeHistory(LoadHistory(dir.Path()), Input(1));
    // Written as SaveHistory writes it, the lock being this process's already.
    TempDir scratch;
    for (const HistoryRecord& r : {mine[1], mine[0]}) SaveHistory(scratch.Path(), r);
    std::filesystem::copy_file(scratch.Path() / kHistoryFileName, dir.Path() / kHistoryFileName,
                               std::filesystem::copy_options::overwrite_existing);
  }
  ASSERT_TRUE(EndedWell(other));
  const History history = LoadHistory(dir.Path());
  EXPECT_EQ(Input(2), history[0]);
  EXPECT_EQ(Input(1), history[1]);
  EXPECT_EQ(Input(0), history[2]);
  ::close(go[0]);
  ::close(go[1]);
}

TEST(ConcurrentSaves, TwoSaversStartedTogetherKeepBothRecordsEveryTime) {
  constexpr int kRounds = 60;
  int lost = 0;
  for (int round = 0; round < kRounds; ++round) {
    TempDir dir;
    SaveHistory(dir.Path(), Input(0));
    int go[2];
    ASSERT_EQ(0, ::pipe(go));
    const pid_t a = SaverAfterSignal(dir.Path(), Input(2 * round + 1), go[0]);
    const pid_t b = SaverAfterSignal(dir.Path(), Input(2 * round + 2), go[0]);
    ASSERT_EQ(2, ::write(go[1], "gg", 2));  // both start at once
    ASSERT_TRUE(EndedWell(a));
    ASSERT_TRUE(EndedWell(b));
    const History history = LoadHistory(dir.Path());
    const bool kept =
        Holds(history, Input(0)) && Holds(history, Input(2 * round + 1)) && Holds(history, Input(2 * round + 2));
    if (!kept) ++lost;
    ::close(go[0]);
    ::close(go[1]);
  }
  EXPECT_EQ(0, lost) << "rounds that lost a record, of " << kRounds;
}

}  // namespace
}  // namespace caelix

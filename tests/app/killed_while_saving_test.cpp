// The application killed in the middle of saving: a child process saves the three stored files
// over and over, alternating two inputs, and is killed at a random moment. Each file must then
// hold exactly the bytes of one of its two saves, never a part or a mix.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "app/stored_files.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

using caelix::testing::TempDir;

struct Input {
  int houseIndex;
  double longitude;
  double latitude;
  HistoryRecord record;
};

constexpr Input kFirst{1, 14.417, 50.083, {28, 2, 2006, 17, 5.5, 50.083, 14.417}};
constexpr Input kSecond{2, -120.25, -33.5, {1, 1, -9999, 0, 0, -33.5, -120.25}};

void Save(const std::filesystem::path& dir, const Input& in) {
  SavePlace(dir, in.longitude, in.latitude);
  SaveHouseIndex(dir, in.houseIndex);
  SaveHistory(dir, in.record);
}

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The bytes of each stored file after saving first then second into an empty folder.
struct Contents {
  std::string house, place, history;
};

Contents ContentsAfter(const Input& first, const Input& second) {
  TempDir dir;
  Save(dir.Path(), first);
  Save(dir.Path(), second);
  return {Bytes(dir.Path() / kHouseFileName), Bytes(dir.Path() / kPlaceFileName), Bytes(dir.Path() / kHistoryFileName)};
}

// Removes what a killed save left beside the files; returns how many there were.
int RemoveTemporaries(const std::filesystem::path& dir) {
  int removed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() == ".tmp") {
      std::filesystem::remove(entry.path());
      ++removed;
    }
  }
  return removed;
}

TEST(KilledWhileSaving, EveryStoredFileIsTheOldOrTheNewOne) {
  const Contents a = ContentsAfter(kSecond, kFirst);  // the history has the first input on top
  const Contents b = ContentsAfter(kFirst, kSecond);
  ASSERT_NE(a.house, b.house);
  ASSERT_NE(a.place, b.place);
  ASSERT_NE(a.history, b.history);

  TempDir dir;
  Save(dir.Path(), kSecond);
  Save(dir.Path(), kFirst);
  std::mt19937 rng(8);
  std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
  int killedMidSave = 0;
  for (int attempt = 0; attempt < 400 && killedMidSave < 40; ++attempt) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) {
        Save(dir.Path(), kSecond);
        Save(dir.Path(), kFirst);
      }
    }
    ::usleep(static_cast<useconds_t>(delayMicroseconds(rng)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    const std::string house = Bytes(dir.Path() / kHouseFileName);
    const std::string place = Bytes(dir.Path() / kPlaceFileName);
    const std::string history = Bytes(dir.Path() / kHistoryFileName);
    ASSERT_TRUE(house == a.house || house == b.house) << "attempt " << attempt << ": " << house.size() << " bytes";
    ASSERT_TRUE(place == a.place || place == b.place) << "attempt " << attempt << ": " << place.size() << " bytes";
    ASSERT_TRUE(history == a.history || history == b.history)
        << "attempt " << attempt << ": " << history.size() << " bytes";
    if (RemoveTemporaries(dir.Path()) > 0) ++killedMidSave;
  }
  // Most kills land while a replacement is written: the test did reach the moment it is about.
  EXPECT_GE(killedMidSave, 40);
}

}  // namespace
}  // namespace caelix

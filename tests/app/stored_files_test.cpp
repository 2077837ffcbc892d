#include "app/stored_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace caelix {
namespace {

using caelix::testing::TempDir;

void WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename T>
std::vector<unsigned char> BytesOf(std::initializer_list<T> values) {
  std::vector<unsigned char> bytes;
  for (T v : values) {
    unsigned char b[sizeof(T)];
    std::memcpy(b, &v, sizeof(T));
    bytes.insert(bytes.end(), b, b + sizeof(T));
  }
  return bytes;
}

double DoubleAt(const std::vector<unsigned char>& bytes, std::size_t offset) {
  double v = 0;
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

TEST(StoredFiles, FirstRunWithoutFilesLeavesTheDefaults) {
  TempDir dir;
  int house = 0;
  double lon = kDefaultLongitude, lat = kDefaultLatitude;
  LoadHouseIndex(dir.Path(), house);
  LoadPlace(dir.Path(), lon, lat);
  EXPECT_EQ(house, 0);
  EXPECT_EQ(lon, 14.417);
  EXPECT_EQ(lat, 50.083);
  EXPECT_EQ(LoadHistory(dir.Path()), History{});
}

TEST(StoredFiles, HouseIndexIsTakenOnlyWhenWholeAndKnown) {
  const struct {
    std::vector<unsigned char> bytes;
    int expected;
  } cases[] = {
      {BytesOf<std::int32_t>({2}), 2},
      {BytesOf<std::int32_t>({1, 99}), 1},
      {BytesOf<std::int32_t>({7}), 0},
      {BytesOf<std::int32_t>({-1}), 0},
      {{0x01, 0x00}, 0},
      {{}, 0},
  };
  for (const auto& c : cases) {
    TempDir dir;
    WriteBytes(dir.Path() / kHouseFileName, c.bytes);
    int house = 0;
    LoadHouseIndex(dir.Path(), house);
    EXPECT_EQ(house, c.expected) << c.bytes.size() << " bytes";
  }
}

TEST(StoredFiles, PlaceValuesAreTakenOnlyWhenWholeFiniteAndInRange) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<unsigned char> twelve = BytesOf<double>({10.0, 20.0});
  twelve.resize(12);
  const struct {
    std::vector<unsigned char> bytes;
    double lon, lat;
  } cases[] = {
      {BytesOf<double>({-122.5, 37.75}), -122.5, 37.75},
      {BytesOf<double>({10.0}), 10.0, 50.083},
      {twelve, 10.0, 50.083},
      {{1, 2, 3}, 14.417, 50.083},
      {BytesOf<double>({nan, inf}), 14.417, 50.083},
      {BytesOf<double>({400.0, 66.0}), 14.417, 50.083},
      {BytesOf<double>({-360.0, -65.5}), -360.0, -65.5},
      {BytesOf<double>({1e300, 12.0}), 14.417, 12.0},
  };
  for (const auto& c : cases) {
    TempDir dir;
    WriteBytes(dir.Path() / kPlaceFileName, c.bytes);
    double lon = kDefaultLongitude, lat = kDefaultLatitude;
    LoadPlace(dir.Path(), lon, lat);
    EXPECT_EQ(lon, c.lon) << c.bytes.size() << " bytes";
    EXPECT_EQ(lat, c.lat) << c.bytes.size() << " bytes";
  }
}

TEST(StoredFiles, SavesHaveTheirLayouts) {
  TempDir dir;
  SavePlace(dir.Path(), 14.417, 50.083);
  SaveHouseIndex(dir.Path(), 2);
  SaveHistory(dir.Path(), {28, 2, 2006, 17, 5.5, 50.083, 14.417});

  const auto place = ReadBytes(dir.Path() / kPlaceFileName);
  ASSERT_EQ(place.size(), 16u);
  EXPECT_EQ(DoubleAt(place, 0), 14.417);
  EXPECT_EQ(DoubleAt(place, 8), 50.083);
  EXPECT_EQ(ReadBytes(dir.Path() / kHouseFileName), BytesOf<std::int32_t>({2}));

  const auto history = ReadBytes(dir.Path() / kHistoryFileName);
  ASSERT_EQ(history.size(), 560u);
  const double first[] = {28, 2, 2006, 17, 5.5, 50.083, 14.417};
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(DoubleAt(history, i * 8), first[i]) << "offset " << i * 8;
  for (std::size_t offset = 56; offset < 560; offset += 8) EXPECT_EQ(DoubleAt(history, offset), 0.0) << offset;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 4) << "no temporary file stays";
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.Path() / kLockFileName)) << "the history's lock file stays";
}

TEST(StoredFiles, TruncatedAndGarbageHistoryKeepsOnlyWholeUsedRecords) {
  TempDir dir;
  std::vector<unsigned char> bytes = BytesOf<double>({28, 2, 2006, 17, 5.5, 50.083, 14.417});
  const auto garbage = BytesOf<double>({1e308, -3, 0.5, 99, -1, 1e9, std::numeric_limits<double>::quiet_NaN()});
  bytes.insert(bytes.end(), garbage.begin(), garbage.end());
  const auto third = BytesOf<double>({1, 1, 2000, 0, 0, 0, 0});
  bytes.insert(bytes.end(), third.begin(), third.end());
  const auto cut = BytesOf<double>({2, 2, 2002, 2, 2, 2, 2});
  bytes.insert(bytes.end(), cut.begin(), cut.begin() + 30);
  WriteBytes(dir.Path() / kHistoryFileName, bytes);

  const History h = LoadHistory(dir.Path());
  EXPECT_EQ(h[0], (HistoryRecord{28, 2, 2006, 17, 5.5, 50.083, 14.417}));
  EXPECT_EQ(h[1], HistoryRecord{});
  EXPECT_EQ(h[2], (HistoryRecord{1, 1, 2000, 0, 0, 0, 0}));
  EXPECT_EQ(h[3], HistoryRecord{});

  SaveHistory(dir.Path(), {3, 3, 2003, 3, 3, 3, 3});
  const History saved = LoadHistory(dir.Path());
  EXPECT_EQ(saved[0], (HistoryRecord{3, 3, 2003, 3, 3, 3, 3}));
  EXPECT_EQ(saved[1], h[0]);
  EXPECT_EQ(saved[2], h[2]);
  EXPECT_EQ(saved[3], HistoryRecord{});
}

TEST(StoredFiles, AFailedSaveIsSilentAndLeavesNoTemporaryFile) {
  TempDir dir;
  SaveHouseIndex(dir.Path(), 1);
  std::filesystem::create_directories(dir.Path() / kPlaceFileName / "occupied");
  SavePlace(dir.Path(), 3.0, 4.0);
  SavePlace(dir.Path() / "missing", 3.0, 4.0);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / kPlaceFileName));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
  int house = 0;
  LoadHouseIndex(dir.Path(), house);
  EXPECT_EQ(house, 1);
}

}  // namespace
}  // namespace caelix

namespace caelix {
namespace {

// Runs body in a child process that is killed after 10 seconds; returns true when the child
// ended by itself with status 0 (a load that blocks on a FIFO is killed instead).
template <typename Body>
bool FinishesInTime(Body body) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(10);
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(StoredFiles, WhatIsNotARegularFileCountsAsMissingAndNeverBlocks) {
  enum class Kind { Fifo, Folder, DeviceLink };
  const Kind kinds[] = {Kind::Fifo, Kind::Folder, Kind::DeviceLink};
  const char* names[] = {kHouseFileName, kPlaceFileName, kHistoryFileName};
  for (const Kind kind : kinds) {
    for (const char* name : names) {
      TempDir dir;
      const auto path = dir.Path() / name;
      if (kind == Kind::Fifo) {
        ASSERT_EQ(0, ::mkfifo(path.c_str(), 0600));
      } else if (kind == Kind::Folder) {
        std::filesystem::create_directory(path);
      } else {
        std::filesystem::create_symlink("/dev/zero", path);
      }
      const bool defaults = FinishesInTime([&dir] {
        int house = 0;
        double lon = kDefaultLongitude;
        double lat = kDefaultLatitude;
        LoadHouseIndex(dir.Path(), house);
        LoadPlace(dir.Path(), lon, lat);
        return house == 0 && lon == kDefaultLongitude && lat == kDefaultLatitude &&
               LoadHistory(dir.Path()) == History{};
      });
      EXPECT_TRUE(defaults) << name << " as kind " << static_cast<int>(kind);
    }
  }
  // A save replaces the FIFO with the file, and the history's lock file may be a FIFO too.
  TempDir dir;
  ASSERT_EQ(0, ::mkfifo((dir.Path() / kHistoryFileName).c_str(), 0600));
  ASSERT_EQ(0, ::mkfifo((dir.Path() / kLockFileName).c_str(), 0600));
  EXPECT_TRUE(FinishesInTime([&dir] {
    SaveHistory(dir.Path(), {28, 2, 2006, 17, 5.5, 50.083, 14.417});
    return LoadHistory(dir.Path())[0] == HistoryRecord{28, 2, 2006, 17, 5.5, 50.083, 14.417};
  }));
}

}  // namespace
}  // namespace caelix

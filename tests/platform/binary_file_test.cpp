#include "platform/binary_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "support/temp_dir.h"

namespace caelix {
namespace {

using caelix::testing::TempDir;

std::string Contents(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t FileCount(const std::filesystem::path& dir) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(BinaryFile, AReplacementAppearsWholeOnlyWhenClosed) {
  TempDir dir;
  const auto target = dir.Path() / "f.bin";
  std::ofstream(target) << "old";
  BinaryFile out;
  ASSERT_TRUE(out.Open(target, FileMode::CreateWriteExclusive));
  ASSERT_TRUE(out.Write("new!", 4));
  EXPECT_EQ(Contents(target), "old");
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(Contents(target), "new!");
  EXPECT_EQ(FileCount(dir.Path()), 1u);
}

TEST(BinaryFile, AnUnclosedReplacementIsDiscarded) {
  TempDir dir;
  const auto target = dir.Path() / "f.bin";
  std::ofstream(target) << "old";
  {
    BinaryFile out;
    ASSERT_TRUE(out.Open(target, FileMode::CreateWriteExclusive));
    out.Write("half", 4);
  }
  EXPECT_EQ(Contents(target), "old");
  EXPECT_EQ(FileCount(dir.Path()), 1u);
}

TEST(BinaryFile, ReadingGivesWhatTheFileHasAndNoWrites) {
  TempDir dir;
  const auto target = dir.Path() / "f.bin";
  std::ofstream(target) << "abc";
  BinaryFile in;
  EXPECT_FALSE(in.Open(dir.Path() / "missing", FileMode::ReadShareDenyWrite));
  ASSERT_TRUE(in.Open(target, FileMode::ReadShareDenyWrite));
  char buffer[8] = {};
  EXPECT_EQ(in.Read(buffer, sizeof buffer), 3u);
  EXPECT_EQ(std::string(buffer), "abc");
  EXPECT_EQ(in.Read(buffer, sizeof buffer), 0u);
  EXPECT_FALSE(in.Write("x", 1));
  EXPECT_TRUE(in.Close());
  EXPECT_EQ(Contents(target), "abc");
}

}  // namespace
}  // namespace caelix

namespace caelix {
namespace {

TEST(BinaryFile, ASaveRemovesWhatAKilledWriterLeftButNotALiveOnesFile) {
  caelix::testing::TempDir dir;
  const auto target = dir.Path() / "aplace.bin";
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);  // a process id that is gone now
  const auto dead = dir.Path() / ("aplace.bin." + std::to_string(child) + ".0.tmp");
  const auto live = dir.Path() / ("aplace.bin." + std::to_string(::getppid()) + ".0.tmp");
  const auto other = dir.Path() / ("ahouses.bin." + std::to_string(child) + ".0.tmp");
  for (const auto& p : {dead, live, other}) std::ofstream(p) << "half";
  BinaryFile out;
  ASSERT_TRUE(out.Open(target, FileMode::CreateWriteExclusive));
  ASSERT_TRUE(out.Write("12345678", 8));
  ASSERT_TRUE(out.Close());
  EXPECT_FALSE(std::filesystem::exists(dead));
  EXPECT_TRUE(std::filesystem::exists(live));
  EXPECT_TRUE(std::filesystem::exists(other));  // another file's leftovers wait for its own save
  EXPECT_EQ("12345678", Contents(target));
}

}  // namespace
}  // namespace caelix

namespace caelix {
namespace {

TEST(BinaryFile, OnlyARegularFileIsReadAndAFailureKeepsItsReason) {
  caelix::testing::TempDir dir;
  const auto fifo = dir.Path() / "fifo";
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  std::filesystem::create_directory(dir.Path() / "folder");
  struct Case {
    std::filesystem::path path;
    std::errc reason;
  } const cases[] = {
      {dir.Path() / "missing", std::errc::no_such_file_or_directory},
      {fifo, std::errc::invalid_argument},  // opened without waiting for a writer, then refused
      {dir.Path() / "folder", std::errc::is_a_directory},
      {"/dev/zero", std::errc::invalid_argument},
  };
  for (const Case& c : cases) {
    BinaryFile in;
    EXPECT_FALSE(in.Open(c.path, FileMode::ReadShareDenyWrite)) << c.path;
    EXPECT_EQ(std::make_error_code(c.reason), in.Error()) << c.path;
  }
}

TEST(BinaryFile, ReplaceFileContentLeavesTheOldFileOnFailure) {
  caelix::testing::TempDir dir;
  const auto target = dir.Path() / "w.svg";
  std::ofstream(target) << "old";
  EXPECT_EQ(std::error_code(), ReplaceFileContent(target, "new"));
  EXPECT_EQ("new", Contents(target));
  EXPECT_EQ(std::make_error_code(std::errc::no_such_file_or_directory),
            ReplaceFileContent(dir.Path() / "none" / "w.svg", "x"));
  EXPECT_EQ(std::make_error_code(std::errc::no_space_on_device), ReplaceFileContent("/dev/full", "x"));
  EXPECT_EQ(std::error_code(), ReplaceFileContent("/dev/null", "x"));  // a device is written as it is
  std::filesystem::create_directory(dir.Path() / "sub");
  EXPECT_EQ(std::make_error_code(std::errc::is_a_directory), ReplaceFileContent(dir.Path() / "sub", "x"));
  EXPECT_EQ("new", Contents(target));
  EXPECT_EQ(FileCount(dir.Path()), 2u);  // w.svg and sub: no temporary file stays
}

}  // namespace
}  // namespace caelix

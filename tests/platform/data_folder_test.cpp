#include "platform/data_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "support/temp_dir.h"

namespace caelix {
namespace {

TEST(DataFolder, FollowsTheXdgRules) {
  const struct {
    const char* xdgConfigHome;
    const char* home;
    const char* want;  // null: no folder
  } cases[] = {
      {"/cfg", "/home/u", "/cfg/caelix"},
      {"/cfg/", "/home/u", "/cfg/caelix"},
      {nullptr, "/home/u", "/home/u/.config/caelix"},
      {"", "/home/u", "/home/u/.config/caelix"},       // empty counts as unset
      {"cfg", "/home/u", "/home/u/.config/caelix"},    // relative counts as unset
      {"./cfg", "/home/u", "/home/u/.config/caelix"},  // relative counts as unset
      {"/cfg", nullptr, "/cfg/caelix"},                // no home needed
      {nullptr, nullptr, nullptr},
      {nullptr, "", nullptr},
      {"", "home/u", nullptr},
  };
  for (const auto& c : cases) {
    const auto got = DataFolderOf(c.xdgConfigHome, c.home);
    const std::string label =
        std::string(c.xdgConfigHome ? c.xdgConfigHome : "(unset)") + ", " + (c.home ? c.home : "(unset)");
    if (c.want == nullptr) {
      EXPECT_FALSE(got.has_value()) << label << " gave " << got->string();
    } else {
      ASSERT_TRUE(got.has_value()) << label;
      EXPECT_EQ(std::filesystem::path(c.want), got->lexically_normal()) << label;
    }
  }
}

TEST(DataFolder, IsMadeWithItsParentsForTheOwnerAlone) {
  testing::TempDir t;
  const auto folder = t.Path() / "a" / "b" / "caelix";
  ASSERT_TRUE(CreateDataFolder(folder));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  for (const auto& made : {t.Path() / "a", t.Path() / "a" / "b", folder}) {
    struct stat st {};
    ASSERT_EQ(0, ::stat(made.c_str(), &st));
    EXPECT_EQ(0700u, st.st_mode & 0777u) << made;
  }
  EXPECT_TRUE(CreateDataFolder(folder));  // already there

  std::ofstream(t.Path() / "file") << "x";
  EXPECT_FALSE(CreateDataFolder(t.Path() / "file"));             // a file in the way
  EXPECT_FALSE(CreateDataFolder(t.Path() / "file" / "caelix"));  // a file as a parent
}

}  // namespace
}  // namespace caelix

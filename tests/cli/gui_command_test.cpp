#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/run.h"

namespace caelix {
namespace {

using caelix::testing::RunCaelix;

TEST(GuiCommand, RefusesBadOptionsAndAMissingDisplayWithoutOpeningAWindow) {
  const struct {
    const char* args;
    int status;
    const char* message;
  } cases[] = {
      {"gui --scale 9", 2, "--scale"},
      {"gui --scale 0.1", 2, "--scale"},
      {"gui --scale big", 2, "--scale"},
      {"gui --data-dir /no/such/folder", 2, "--data-dir"},
      {"gui --data-dir .", 1, "cannot open the display"},
  };
  const char* display = std::getenv("DISPLAY");
  const std::string saved = display != nullptr ? display : "";
  ::unsetenv("DISPLAY");
  for (const auto& c : cases) {
    const auto r = RunCaelix(c.args);
    EXPECT_EQ(r.status, c.status) << c.args << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
  }
  if (display != nullptr) ::setenv("DISPLAY", saved.c_str(), 1);
}

}  // namespace
}  // namespace caelix

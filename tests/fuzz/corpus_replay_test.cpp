// Replays every committed corpus input through its fuzz target: each input once found a fault or
// reaches a path worth keeping, and must pass its target's checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"

namespace caelix::fuzz {

void Fail(const char* condition, const char* file, int line) {
  throw std::runtime_error(std::string(file) + ":" + std::to_string(line) + ": check failed: " + condition);
}

// Names a target in test output.
void PrintTo(const NamedTarget& t, std::ostream* os) { *os << t.name; }

namespace {

class CorpusReplay : public ::testing::TestWithParam<NamedTarget> {};

TEST_P(CorpusReplay, EveryInputPassesItsChecks) {
  const std::filesystem::path dir = std::filesystem::path(CAELIX_FUZZ_CORPUS) / std::string(GetParam().name);
  ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir;
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
      GetParam().target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    } catch (const std::exception& e) {
      ADD_FAILURE() << entry.path().filename() << ": " << e.what();
    }
    ++replayed;
  }
  EXPECT_GT(replayed, 0) << "no corpus in " << dir;
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace caelix::fuzz

#include "platform/glyph_paths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace caelix {
namespace {

TEST(SvgNumber, TwoDecimalsAtMostWithoutTrailingZeros) {
  const struct {
    double v;
    const char* want;
  } cases[] = {
      {0.0, "0"},       {-0.0, "0"},
      {-0.001, "0"},    {2.5, "2.5"},
      {2.50001, "2.5"}, {-3.14159, "-3.14"},
      {1e6, "1000000"}, {0.125, "0.12"},
      {0.375, "0.38"},  {1.005, "1"},
      {99.999, "100"},  {-99.995, "-100"},
      {8192.0, "8192"}, {std::numeric_limits<double>::infinity(), "inf"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.want, SvgNumber(c.v)) << c.v;
}

// The same text as printf's "%.2f" with the trailing zeros taken off, on a million numbers of
// a picture's range.
TEST(SvgNumber, RoundsAsPrintfDoes) {
  std::mt19937_64 rng(17);
  std::uniform_real_distribution<double> any(-20000.0, 20000.0);
  for (int i = 0; i < 1000000; ++i) {
    const double v = i % 2 == 0 ? any(rng) : std::round(any(rng) * 1000.0) / 1000.0;  // many ties at the third decimal
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string want(buf);
    while (want.back() == '0') want.pop_back();
    if (want.back() == '.') want.pop_back();
    if (want == "-0") want = "0";
    ASSERT_EQ(want, SvgNumber(v)) << v;
  }
}

}  // namespace
}  // namespace caelix

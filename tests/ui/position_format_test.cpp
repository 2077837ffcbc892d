#include "ui/pages/position_format.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace caelix {
namespace {

TEST(FormatPosition, DegreesSignAndMinutes) {
  struct Case {
    double longitude;
    const char* want;
  } const cases[] = {
      {5.12, "05Ar07"},    {123.99, "03Le59"}, {29.995, "29Ar60"},  // minutes round to 60 without carry
      {29.9999, "29Ar60"}, {30.0, "00Ta00"},   {0.0, "00Ar00"},     {360.0, "00Ar00"},
      {359.999, "29Pi60"}, {-0.5, "29Pi30"},   {100.125, "10Cn08"},  // 7.5' rounds half up
      {280.375, "10Cp23"}, {725.0, "05Ar00"},  {245.25, "05Sg15"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.want, FormatPosition(c.longitude)) << "longitude " << c.longitude;
}

TEST(SignAbbreviation, EachSignFromItsStartAndNoSignForNaN) {
  const std::array<const char*, 12> signs = {"Ar", "Ta", "Ge", "Cn", "Le", "Vi", "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(signs[k], SignAbbreviation(30.0 * k)) << k;
    EXPECT_EQ(signs[k], SignAbbreviation(30.0 * k + 29.9999)) << k;
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ("  ", SignAbbreviation(nan));
  EXPECT_EQ(0, DegreesInSign(nan));  // non-finite values give 0, not an undefined conversion
  EXPECT_EQ(0, DegreesInSign(std::numeric_limits<double>::infinity()));
  EXPECT_EQ(0, RoundedMinutes(nan));
}

TEST(FormatMotion, MarkDegreesAndMinutes) {
  struct Case {
    double x0, x1;
    const char* want;
  } const cases[] = {
      {100.0, 100.9856, "  0.59"},  // the Sun's daily motion
      {100.0, 99.25, "R 0.45"},     // retrograde 0.75 degrees
      {42.0, 42.0, "S 0.00"},       // stationary
      {359.5, 0.4, "  0.54"},       // across 0 degrees, forward
      {0.4, 359.5, "R 0.54"},       // across 0 degrees, backward
      {10.0, 23.5, "  13.30"},      // the Moon: degrees without padding
      {200.0, 199.999, "R 0.00"},   // retrograde by less than half a minute
  };
  for (const Case& c : cases) EXPECT_EQ(c.want, FormatMotion(c.x0, c.x1)) << c.x0 << " -> " << c.x1;
}

}  // namespace
}  // namespace caelix

#include "ui/pages/position_format.h"

#include <array>
#include <cmath>
#include <string_view>

#include "astro/angles.h"

namespace caelix {

namespace {

constexpr std::array<std::string_view, 12> kSigns = {"Ar", "Ta", "Ge", "Cn", "Le", "Vi",
                                                     "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};

// The number as "%d", brought to two characters with a leading "0" when it has one.
std::string TwoDigits(int n) {
  std::string text = std::to_string(n);
  if (text.size() == 1) text.insert(0, 1, '0');
  return text;
}

}  // namespace

int DegreesInSign(double x) {
  double a = Normalize360(x);
  if (!std::isfinite(a)) return 0;
  while (a >= 30.0) a -= 30.0;
  return static_cast<int>(std::trunc(a));
}

int RoundedMinutes(double x) {
  const double a = Normalize360(x);
  if (!std::isfinite(a)) return 0;
  const double s = (a - std::trunc(a)) * 60.0;
  int p = static_cast<int>(std::trunc(s));
  if (s - p >= 0.5) ++p;
  return p;
}

std::string SignAbbreviation(double x) {
  const double a = Normalize360(x);
  for (std::size_t k = 0; k < kSigns.size(); ++k) {
    if (a >= 30.0 * k && a < 30.0 * k + 30.0) return std::string(kSigns[k]);
  }
  return "  ";
}

std::string FormatPosition(double x) {
  return TwoDigits(DegreesInSign(x)) + SignAbbreviation(x) + TwoDigits(RoundedMinutes(x));
}

std::string FormatMotion(double x0, double x1) {
  double v = x1 - x0;
  if (v > 180.0) v -= 360.0;
  if (v < -180.0) v += 360.0;
  const char* mark = v == 0.0 ? "S" : (v > 0.0 ? " " : "R");
  const double speed = std::fabs(v);
  return std::string(mark) + " " + std::to_string(DegreesInSign(speed)) + "." + TwoDigits(RoundedMinutes(speed));
}

}  // namespace caelix

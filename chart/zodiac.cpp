#include "chart/zodiac.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/angles.h"

namespace caelix {

PositionInSign SplitInSign(double longitudeDeg) {
  const double a = Normalize360(longitudeDeg);
  const double inSign = a - 30.0 * SignIndex(a);
  const int degrees = static_cast<int>(inSign);
  const double minutesExact = (inSign - degrees) * 60.0;
  const int minutes = std::min(static_cast<int>(minutesExact), 59);
  // A fraction a rounding short of a whole minute must not show as 60 seconds.
  const double seconds = std::min((minutesExact - minutes) * 60.0, std::nextafter(60.0, 0.0));
  return {degrees, minutes, seconds};
}

double EclipticLatitude(double longitudeDeg, double declinationDeg, double obliquityDeg) {
  // sin(dec) = A sin(lat) + B cos(lat) = R sin(lat + phi), with A = cos(eps), B = sin(eps) sin(lon):
  // lat = asin(sin(dec) / R) - phi or 180 - asin(sin(dec) / R) - phi. The one within +-90 is the
  // latitude; where both are (an obliquity past 90 degrees, far outside the theories' centuries)
  // the one nearer the ecliptic.
  const double rad = DegToRad();
  const double a = std::cos(obliquityDeg * rad);
  const double b = std::sin(obliquityDeg * rad) * std::sin(longitudeDeg * rad);
  const double s = std::clamp(std::sin(declinationDeg * rad) / std::hypot(a, b), -1.0, 1.0);
  const double phi = std::atan2(b, a) / rad;
  const double first = std::asin(s) / rad - phi;
  const double second = 180.0 - std::asin(s) / rad - phi;
  // Each reduced into (-180, 180].
  const auto wrap = [](double x) { return x - 360.0 * std::ceil((x - 180.0) / 360.0); };
  const double c1 = wrap(first);
  const double c2 = wrap(second);
  const bool firstFits = std::fabs(c1) <= 90.0;
  const bool secondFits = std::fabs(c2) <= 90.0;
  if (firstFits && (!secondFits || std::fabs(c1) <= std::fabs(c2))) return c1;
  if (secondFits) return c2;
  return std::clamp(c1, -90.0, 90.0);
}

}  // namespace caelix

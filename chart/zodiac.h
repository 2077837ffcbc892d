#pragma once
// The zodiac as machine-readable output gives it: the sign of a longitude with its element and
// modality, the degrees, minutes and seconds within the sign, and the apparent ecliptic latitude
// that goes with an apparent longitude and declination.
#include <array>
#include <string_view>

#include "astro/angles.h"

namespace caelix {

enum class Element { Fire, Earth, Air, Water };
enum class Modality { Cardinal, Fixed, Mutable };

// Returns the sign index of longitudeDeg reduced into [0, 360): 0 Aries for [0, 30) to 11 Pisces
// for [330, 360).
inline int SignIndex(double longitudeDeg) {
  const int k = static_cast<int>(Normalize360(longitudeDeg) / 30.0);
  return k < 0 ? 0 : (k > 11 ? 11 : k);
}

// The English names of the signs, Aries to Pisces.
inline constexpr std::array<std::string_view, 12> kSignNames = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                                                "Leo",         "Virgo",     "Libra",    "Scorpio",
                                                                "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// Returns the English name of sign index 0 to 11 ("Aries" to "Pisces").
constexpr std::string_view SignName(int signIndex) { return kSignNames[static_cast<std::size_t>(signIndex % 12)]; }

// The element and the modality of sign index 0 to 11: fire, earth, air, water in turn from Aries;
// cardinal, fixed, mutable in turn from Aries.
constexpr Element ElementOfSign(int signIndex) { return static_cast<Element>(signIndex % 4); }
constexpr Modality ModalityOfSign(int signIndex) { return static_cast<Modality>(signIndex % 3); }

// Returns "fire", "earth", "air" or "water".
constexpr std::string_view ElementName(Element element) {
  constexpr std::array<std::string_view, 4> kNames = {"fire", "earth", "air", "water"};
  return kNames[static_cast<std::size_t>(element)];
}

// Returns "cardinal", "fixed" or "mutable".
constexpr std::string_view ModalityName(Modality modality) {
  constexpr std::array<std::string_view, 3> kNames = {"cardinal", "fixed", "mutable"};
  return kNames[static_cast<std::size_t>(modality)];
}

// Whole degrees (0 to 29) and minutes (0 to 59) of a longitude within its sign, and the seconds
// left over (0 to below 60, not rounded): 123.99 degrees is 3 degrees 59 minutes 24 seconds of Leo.
struct PositionInSign {
  int degrees;
  int minutes;
  double seconds;
};

// Returns the position within its sign of longitudeDeg reduced into [0, 360).
PositionInSign SplitInSign(double longitudeDeg);

// Returns the motion in degrees from longitude x0 to longitude x1 (both [0, 360)) taken the short
// way round, -180 to 180: x1 - x0, less 360 above 180, plus 360 below -180, as the positions
// page's motion column takes it. Negative is retrograde.
inline double DailyMotionDeg(double x0, double x1) {
  double v = x1 - x0;
  if (v > 180.0) v -= 360.0;
  if (v < -180.0) v += 360.0;
  return v;
}

// Returns the ecliptic latitude in degrees, -90 to 90, of the point whose ecliptic longitude is
// longitudeDeg and declination declinationDeg, on the ecliptic of obliquity obliquityDeg: the
// solution of sin(dec) = sin(lat) cos(eps) + cos(lat) sin(eps) sin(lon) (Meeus, Astronomical
// Algorithms, 13.4). With the apparent longitude and declination of date and the true obliquity
// it is the apparent latitude of date.
double EclipticLatitude(double longitudeDeg, double declinationDeg, double obliquityDeg);

}  // namespace caelix

#include "chart/zodiac.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;

TEST(Zodiac, SignAndPositionInSign) {
  const struct {
    double longitude;
    const char* sign;
    int index, degrees, minutes;
    double seconds;
  } cases[] = {
      {0.0, "Aries", 0, 0, 0, 0.0},
      {29.9999, "Aries", 0, 29, 59, 59.64},  // no rounding into the next sign
      {30.0, "Taurus", 1, 0, 0, 0.0},
      {123.99, "Leo", 4, 3, 59, 24.0},
      {5.12, "Aries", 0, 5, 7, 12.0},
      {359.5, "Pisces", 11, 29, 30, 0.0},
      {-0.5, "Pisces", 11, 29, 30, 0.0},  // reduced into [0, 360)
      {360.0, "Aries", 0, 0, 0, 0.0},
      {720.25, "Aries", 0, 0, 15, 0.0},
      {280.3688, "Capricorn", 9, 10, 22, 7.68},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.index, SignIndex(c.longitude)) << c.longitude;
    EXPECT_EQ(c.sign, SignName(SignIndex(c.longitude))) << c.longitude;
    const PositionInSign p = SplitInSign(c.longitude);
    EXPECT_EQ(c.degrees, p.degrees) << c.longitude;
    EXPECT_EQ(c.minutes, p.minutes) << c.longitude;
    EXPECT_TRUE(Near(c.seconds, p.seconds, 1e-6)) << c.longitude;
  }
  // Just below a whole minute the seconds stay below 60.
  const PositionInSign edge = SplitInSign(std::nextafter(1.0, 0.0));
  EXPECT_EQ(0, edge.degrees);
  EXPECT_LE(edge.minutes, 59);
  EXPECT_LT(edge.seconds, 60.0);
}

TEST(Zodiac, ElementsAndModalitiesInTurnFromAries) {
  const char* const elements[] = {"fire", "earth", "air", "water"};
  const char* const modalities[] = {"cardinal", "fixed", "mutable"};
  const struct {
    int sign;
    int element;
    int modality;
  } cases[] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 0}, {4, 0, 1},  {5, 1, 2},
               {6, 2, 0}, {7, 3, 1}, {8, 0, 2}, {9, 1, 0}, {10, 2, 1}, {11, 3, 2}};
  for (const auto& c : cases) {
    EXPECT_EQ(elements[c.element], ElementName(ElementOfSign(c.sign))) << SignName(c.sign);
    EXPECT_EQ(modalities[c.modality], ModalityName(ModalityOfSign(c.sign))) << SignName(c.sign);
  }
}

TEST(Zodiac, DailyMotionTheShortWayRound) {
  const struct {
    double x0, x1, want;
  } cases[] = {{359.5, 0.4, 0.9}, {0.4, 359.5, -0.9}, {10.0, 9.25, -0.75}, {100.0, 100.0, 0.0}, {0.0, 180.0, 180.0}};
  for (const auto& c : cases) EXPECT_TRUE(Near(c.want, DailyMotionDeg(c.x0, c.x1), 1e-12)) << c.x0 << " " << c.x1;
}

TEST(Zodiac, EclipticLatitudeFromLongitudeAndDeclination) {
  // Meeus, Astronomical Algorithms (2nd ed.): example 47.a, the Moon on 1992 April 12 at 0h TD
  // (apparent longitude, declination, true obliquity); example 13.a, Pollux.
  const struct {
    const char* what;
    double longitude, declination, obliquity, latitude;
  } cases[] = {
      {"Moon 1992-04-12", 133.167265, 13.768368, 23.440636, -3.229126},
      {"Pollux", 113.215630, 28.026183, 23.4392911, 6.684170},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(Near(c.latitude, EclipticLatitude(c.longitude, c.declination, c.obliquity), 2e-6)) << c.what;
  }
  // The inverse of sin(dec) = sin(lat) cos(eps) + cos(lat) sin(eps) sin(lon) over the sky planets reach.
  const double rad = M_PI / 180.0;
  for (double lon = 0.0; lon < 360.0; lon += 7.5) {
    for (double lat = -30.0; lat <= 30.0; lat += 2.5) {
      const double eps = 23.44;
      const double dec = std::asin(std::sin(lat * rad) * std::cos(eps * rad) +
                                   std::cos(lat * rad) * std::sin(eps * rad) * std::sin(lon * rad)) /
                         rad;
      EXPECT_TRUE(Near(lat, EclipticLatitude(lon, dec, eps), 1e-9)) << "lon " << lon << " lat " << lat;
    }
  }
  // Far from the theories' centuries the obliquity's polynomial runs wild; the latitude found
  // still lies within +-90 and gives back the declination.
  for (const double eps : {100.0, 150.0, -20.0, 200.0}) {
    for (double lon = 0.0; lon < 360.0; lon += 15.0) {
      for (double lat = -80.0; lat <= 80.0; lat += 20.0) {
        const auto sinDec = [&](double b) {
          return std::sin(b * rad) * std::cos(eps * rad) +
                 std::cos(b * rad) * std::sin(eps * rad) * std::sin(lon * rad);
        };
        const double got = EclipticLatitude(lon, std::asin(sinDec(lat)) / rad, eps);
        EXPECT_LE(std::fabs(got), 90.0) << "eps " << eps << " lon " << lon << " lat " << lat;
        EXPECT_TRUE(Near(sinDec(lat), sinDec(got), 1e-9)) << "eps " << eps << " lon " << lon << " lat " << lat;
      }
    }
  }
}

}  // namespace
}  // namespace caelix

#include "places/coordinates.h"

#include <gtest/gtest.h>

namespace caelix {
namespace {

struct FormCase {
  const char* text;
  CoordinateAxis axis;
  double wantDeg;
};

constexpr auto kLat = CoordinateAxis::Latitude;
constexpr auto kLon = CoordinateAxis::Longitude;

TEST(ParseCoordinate, ReadsEachFormPeopleCopy) {
  const FormCase cases[] = {
      {"40.4168", kLat, 40.4168},                                   // signed decimal degrees
      {"-3.7038", kLon, -3.7038},                                   // negative: west
      {"+51", kLat, 51.0},                                          // explicit plus
      {"40°25'N", kLat, 40.0 + 25.0 / 60.0},                        // degrees and minutes with the hemisphere
      {"3°42'W", kLon, -(3.0 + 42.0 / 60.0)},                       //
      {"40N25", kLat, 40.0 + 25.0 / 60.0},                          // the letter between degrees and minutes
      {"3W42", kLon, -(3.0 + 42.0 / 60.0)},                         //
      {"33s52", kLat, -(33.0 + 52.0 / 60.0)},                       // lower-case letter
      {"40.4168N", kLat, 40.4168},                                  // decimal degrees with a trailing letter
      {"N40.4168", kLat, 40.4168},                                  // leading letter
      {"3.7038 W", kLon, -3.7038},                                  // a blank before the letter
      {"40 25 N", kLat, 40.0 + 25.0 / 60.0},                        // blanks only
      {"40°25.5'N", kLat, 40.0 + 25.5 / 60.0},                      // decimal minutes
      {"40°25'30\"N", kLat, 40.0 + 25.0 / 60.0 + 30.0 / 3600.0},    // seconds
      {"40°25'30.5''N", kLat, 40.0 + 25.0 / 60.0 + 30.5 / 3600.0},  // two apostrophes for seconds
      {"40º25′30″N", kLat, 40.0 + 25.0 / 60.0 + 30.0 / 3600.0},     // ordinal sign, prime and double prime
      {"40N25'30\"", kLat, 40.0 + 25.0 / 60.0 + 30.0 / 3600.0},     // letter between, then seconds
      {"-3°42'", kLon, -(3.0 + 42.0 / 60.0)},                       // sign with degrees and minutes
      {"40d25'N", kLat, 40.0 + 25.0 / 60.0},                        // d for degrees
      {"151°12'E", kLon, 151.2},                                    //
      {"89.99", kLat, 89.99},                                       //
      {"-360", kLon, -360.0},
      {"-0", kLon, 0.0},  //
  };
  for (const FormCase& c : cases) {
    const ParsedCoordinate p = ParseCoordinate(c.text, c.axis);
    ASSERT_TRUE(p.valueDeg.has_value()) << c.text << ": " << p.error;
    EXPECT_NEAR(*p.valueDeg, c.wantDeg, 1e-12) << c.text;
  }
}

TEST(ParseCoordinate, RefusesBadFormsNamingWhatIsAccepted) {
  const FormCase cases[] = {
      {"", kLat, 0},           {"abc", kLat, 0},         {"40°25'E", kLat, 0}, {"3°42'N", kLon, 0},
      {"40°61'N", kLat, 0},    {"40°25'61\"N", kLat, 0}, {"-40N", kLat, 0},    {"40NS", kLat, 0},
      {"40.5N25", kLat, 0},    {"40.5 25", kLat, 0},     {"91", kLat, 0},      {"360.5", kLon, 0},
      {"40'25°", kLat, 0},     {"1 2 3 4", kLat, 0},     {"40,4168", kLat, 0}, {"1e3", kLon, 0},
      {"40N5", kLat, 0},       {"40°°", kLat, 0},        {"N", kLat, 0},       {"4..1", kLat, 0},
      {"40 25 N 30", kLat, 0},
  };
  for (const FormCase& c : cases) {
    const ParsedCoordinate p = ParseCoordinate(c.text, c.axis);
    EXPECT_FALSE(p.valueDeg.has_value()) << "'" << c.text << "' gave " << p.valueDeg.value_or(0);
    EXPECT_NE(p.error.find(c.axis == kLat ? "latitude" : "longitude"), std::string::npos) << p.error;
  }
}

}  // namespace
}  // namespace caelix

// The atlas against published city-centre coordinates (the places' encyclopaedia entries), to
// 0.1 degree, with the country each query must land in.
#include "places/atlas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>

#include "places/clock_zone.h"

namespace caelix {
namespace {

constexpr double kToleranceDeg = 0.1;

struct PlaceCase {
  const char* query;
  const char* countryCode;
  double latitudeDeg;
  double longitudeDeg;
};

TEST(Atlas, FindsDifficultPlacesInTheRightCountry) {
  const PlaceCase cases[] = {
      // accents, case and punctuation
      {"Orleans", "FR", 47.90, 1.90},
      {"Sao Paulo", "BR", -23.55, -46.63},
      {"Zurich", "CH", 47.37, 8.55},
      {"ZÜRICH", "CH", 47.37, 8.55},
      {"Saint Etienne", "FR", 45.43, 4.39},
      {"Lodz", "PL", 51.76, 19.46},
      {"Malmo", "SE", 55.61, 13.00},
      {"Reykjavik", "IS", 64.15, -21.94},
      {"Bogota", "CO", 4.60, -74.08},  // the historic centre, Plaza de Bolívar
      {"Dusseldorf", "DE", 51.23, 6.78},
      {"frankfurt-am-main", "DE", 50.11, 8.68},
      {"Frankfurt (Oder)", "DE", 52.34, 14.55},
      {"'s-Gravenhage", "NL", 52.08, 4.30},
      {"St. Louis, MO", "US", 38.63, -90.20},
      // exonyms and native names
      {"Munich", "DE", 48.14, 11.58},
      {"München", "DE", 48.14, 11.58},
      {"Muenchen", "DE", 48.14, 11.58},
      {"Prague", "CZ", 50.09, 14.42},
      {"Praha", "CZ", 50.09, 14.42},
      {"Cologne", "DE", 50.94, 6.96},
      {"Köln", "DE", 50.94, 6.96},
      {"Vienna", "AT", 48.21, 16.37},
      {"Wien", "AT", 48.21, 16.37},
      {"Cracow", "PL", 50.06, 19.94},
      {"Lisboa", "PT", 38.72, -9.14},
      {"Den Haag", "NL", 52.08, 4.30},
      {"Gothenburg", "SE", 57.71, 11.97},
      {"Saragossa", "ES", 41.65, -0.88},
      {"Bruxelles", "BE", 50.85, 4.35},
      {"Geneva", "CH", 46.20, 6.15},
      {"Florence", "IT", 43.77, 11.25},
      {"Naples", "IT", 40.85, 14.27},
      {"Peking", "CN", 39.90, 116.40},
      {"Bombay", "IN", 19.08, 72.88},
      {"Kyiv", "UA", 50.45, 30.52},
      {"Sankt-Peterburg", "RU", 59.94, 30.31},
      // the same name in several countries: the most populous, or the one the qualifier names
      {"Madrid", "ES", 40.42, -3.70},
      {"Paris", "FR", 48.86, 2.35},
      {"Paris, FR", "FR", 48.86, 2.35},
      {"Paris, France", "FR", 48.86, 2.35},
      {"Paris, TX", "US", 33.66, -95.56},
      {"Paris, Texas", "US", 33.66, -95.56},
      {"London", "GB", 51.51, -0.13},
      {"London, ON", "CA", 42.98, -81.25},
      {"London, Ontario, Canada", "CA", 42.98, -81.25},
      {"Monaco", "MC", 43.73, 7.42},
      {"Cordoba, AR", "AR", -31.42, -64.18},
      {"Cordoba, Spain", "ES", 37.88, -4.78},
      {"Santiago, CL", "CL", -33.45, -70.67},
      {"Sydney", "AU", -33.87, 151.21},
      {"Sydney, NS", "CA", 46.14, -60.18},
      {"Perth, GB", "GB", 56.40, -3.43},
      {"Perth, Australia", "AU", -31.95, 115.86},
      {"Portland, ME", "US", 43.66, -70.26},
      {"Portland, Oregon", "US", 45.52, -122.68},
      {"Springfield, IL", "US", 39.80, -89.64},
      {"Moscow, Russia", "RU", 55.76, 37.62},
      {"Moscow, ID", "US", 46.73, -117.00},
      // beyond the polar circles
      {"Tromsø", "NO", 69.65, 18.96},
      {"Longyearbyen", "SJ", 78.22, 15.65},
      {"Murmansk", "RU", 68.97, 33.08},
      {"Ushuaia", "AR", -54.80, -68.30},
  };
  const Atlas& atlas = Atlas::Embedded();
  for (const PlaceCase& c : cases) {
    const auto found = atlas.Find(c.query, 1);
    ASSERT_EQ(found.size(), 1u) << c.query;
    const AtlasPlace& p = found.front().place;
    EXPECT_EQ(p.countryCode, c.countryCode) << c.query << " gave " << DescribePlace(p);
    EXPECT_NEAR(p.latitudeDeg, c.latitudeDeg, kToleranceDeg)
        << c.query << ": latitude want " << c.latitudeDeg << ", got " << p.latitudeDeg << ", difference "
        << p.latitudeDeg - c.latitudeDeg;
    EXPECT_NEAR(p.longitudeDeg, c.longitudeDeg, kToleranceDeg)
        << c.query << ": longitude want " << c.longitudeDeg << ", got " << p.longitudeDeg << ", difference "
        << p.longitudeDeg - c.longitudeDeg;
  }
}

TEST(Atlas, ListsTheSpringfieldsByPopulationWithTheirStates) {
  const auto found = Atlas::Embedded().Find("Springfield", 10);
  ASSERT_EQ(found.size(), 10u);
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_TRUE(found[i].exact);
    EXPECT_FALSE(found[i].place.regionName.empty()) << DescribePlace(found[i].place);
    if (i > 0) {
      EXPECT_GE(found[i - 1].place.population, found[i].place.population) << i;
    }
  }
  EXPECT_EQ(found[0].place.regionName, "Missouri");
  EXPECT_EQ(found[1].place.regionName, "Massachusetts");
  EXPECT_EQ(found[2].place.regionName, "Illinois");
}

TEST(Atlas, QualifiersMustAllHold) {
  const Atlas& atlas = Atlas::Embedded();
  for (const auto& m : atlas.Find("Paris, US", 20)) {
    EXPECT_EQ(m.place.countryCode, "US") << DescribePlace(m.place);
  }
  for (const auto& m : atlas.Find("Springfield, OR, US", 5)) {
    EXPECT_EQ(m.place.regionCode, "OR");
  }
  EXPECT_TRUE(atlas.Find("Madrid, JP", 5).empty());
  EXPECT_TRUE(atlas.Find("Madrid, ES, Texas", 5).empty());
  EXPECT_TRUE(atlas.Find("", 5).empty());
  EXPECT_TRUE(atlas.Find("-- !", 5).empty());
  EXPECT_TRUE(atlas.Find("Madrid", 0).empty());
}

TEST(Atlas, CompletesTheBeginningOfANameAfterWholeNames) {
  const auto found = Atlas::Embedded().Find("Tromso", 3);
  ASSERT_FALSE(found.empty());
  EXPECT_TRUE(found[0].exact);
  const auto begun = Atlas::Embedded().Find("Barcel", 3);
  ASSERT_FALSE(begun.empty());
  EXPECT_FALSE(begun[0].exact);
  EXPECT_EQ(begun[0].place.name, "Barcelona");
  EXPECT_EQ(begun[0].place.countryCode, "ES");
  for (const auto& m : Atlas::Embedded().Find("Ba", 10)) {
    EXPECT_TRUE(m.exact) << DescribePlace(m.place);  // two letters: whole names only (Ba, Fiji)
  }
}

TEST(Atlas, EveryZoneIsInTheSystemDatabase) {
  const Atlas& atlas = Atlas::Embedded();
  EXPECT_GT(atlas.PlaceCount(), 130000u);
  std::set<std::string> zones;
  for (std::uint32_t i = 0; i < atlas.PlaceCount(); ++i) zones.emplace(atlas.Place(i).zone);
  for (const std::string& zone : zones) {
    const ParsedZone p = ParseClockZone(zone);
    EXPECT_TRUE(p.ok && p.zone.kind == ZoneKind::Named) << zone << ": " << p.error;
  }
  EXPECT_NE(atlas.SourceText().find("GeoNames"), std::string_view::npos);
}

TEST(Atlas, RefusesABlobThatIsNotAnAtlas) {
  EXPECT_THROW(Atlas(std::string_view("not an atlas")), std::runtime_error);
  std::string truncated("CXATLAS1");
  truncated.resize(64, '\xff');
  EXPECT_THROW(Atlas{truncated}, std::runtime_error);
}

}  // namespace
}  // namespace caelix

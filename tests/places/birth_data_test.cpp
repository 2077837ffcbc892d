#include "places/birth_data.h"

#include <gtest/gtest.h>

#include <string>

namespace caelix {
namespace {

struct RequestCase {
  const char* what;
  BirthDataRequest request;
  const char* errorPrefix;  // "" when it must resolve
  const char* describes;    // part of DescribeBirthData, or of the error
};

BirthDataRequest Request(ClockTime local, const char* place, const char* zone, const char* lon = nullptr,
                         const char* lat = nullptr, ClockChoice choice = ClockChoice::Refuse) {
  BirthDataRequest r;
  r.local = local;
  if (place) r.place = place;
  if (zone) r.zone = zone;
  if (lon) r.longitude = lon;
  if (lat) r.latitude = lat;
  r.fallbackLongitudeDeg = 14.417;
  r.fallbackLatitudeDeg = 50.083;
  r.choice = choice;
  return r;
}

TEST(ResolveBirthData, NamesTheFieldAtFaultOrWhatWasDone) {
  const RequestCase cases[] = {
      {"town and its zone", Request({1985, 7, 14, 9, 20}, "Madrid", nullptr), "",
       "Place: Madrid, Madrid, Spain (ES), 40.4165 N 3.7026 W, Europe/Madrid\nLocal time: 1985-07-14 09:20 "
       "Europe/Madrid (CEST, +02:00, daylight saving) is 1985-07-14 07:20 UT\n"},
      {"zone without town: the stored place", Request({1985, 7, 14, 9, 20}, nullptr, "Europe/Prague"), "",
       "is 1985-07-14 07:20 UT"},
      {"UT by default", Request({1985, 7, 14, 9, 20}, nullptr, nullptr), "", "(UT, +00:00) is 1985-07-14 09:20 UT"},
      {"local mean time at the given longitude", Request({1800, 1, 1, 12, 0}, nullptr, "Europe/Prague", "15"), "",
       "local mean time of longitude 15.0000 E, +01:00) is 1800-01-01 11:00 UT"},
      {"a town's zone overridden", Request({1985, 7, 14, 9, 20}, "Madrid", "UT"), "", "is 1985-07-14 09:20 UT"},
      {"unknown town", Request({1985, 7, 14, 9, 20}, "Xyzzyqq", nullptr), "place: ", "no place of the atlas"},
      {"bad zone", Request({1985, 7, 14, 9, 20}, nullptr, "+25"), "tz: ", "not a time zone"},
      {"bad longitude", Request({1985, 7, 14, 9, 20}, nullptr, "UT", "3N42"), "lon: ", "has N or S"},
      {"bad latitude", Request({1985, 7, 14, 9, 20}, nullptr, "UT", nullptr, "95"), "lat: ", "not a latitude"},
      {"no such day", Request({2001, 2, 29, 9, 20}, nullptr, "UT"), "time: ", "not a date and time"},
      {"no such minute", Request({2001, 2, 28, 9, 60}, nullptr, "UT"), "time: ", "not a date and time"},
      {"repeated", Request({2024, 10, 27, 2, 30}, "Madrid", nullptr), "clock: ", "occurs twice"},
      {"repeated, chosen", Request({2024, 10, 27, 2, 30}, "Madrid", nullptr, nullptr, nullptr, ClockChoice::Later), "",
       "(one of two readings, as chosen)"},
  };
  for (const RequestCase& c : cases) {
    const BirthDataResult r = ResolveBirthData(c.request);
    if (*c.errorPrefix == '\0') {
      ASSERT_TRUE(r.value.has_value()) << c.what << ": " << r.error;
      EXPECT_NE(DescribeBirthData(*r.value).find(c.describes), std::string::npos)
          << c.what << ": " << DescribeBirthData(*r.value);
    } else {
      EXPECT_FALSE(r.value.has_value()) << c.what;
      EXPECT_EQ(r.error.rfind(c.errorPrefix, 0), 0u) << c.what << ": " << r.error;
      EXPECT_NE(r.error.find(c.describes), std::string::npos) << c.what << ": " << r.error;
    }
  }
}

TEST(FormatOffset, SignsHoursMinutesAndSecondsWhenThereAreAny) {
  const struct {
    double seconds;
    const char* text;
  } cases[] = {{0, "+00:00"},    {7200, "+02:00"},  {-12600, "-03:30"},   {-884, "-00:14:44"},
               {-0.4, "+00:00"}, {20700, "+05:45"}, {-888.6, "-00:14:49"}};
  for (const auto& c : cases) EXPECT_EQ(FormatOffset(c.seconds), c.text) << c.seconds;
}

}  // namespace
}  // namespace caelix

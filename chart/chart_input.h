#pragma once
// What one calculation is asked: the date, the time of day in UT, the place and the house system.
#include <string_view>

#include "chart/input_rules.h"

namespace caelix {

struct ChartInput {
  double day = 1.0;
  double month = 1.0;
  double year = 2000.0;                  // astronomical: 1 BC is 0
  double hour = 0.0;                     // Universal Time
  double minute = 0.0;                   // fraction allowed
  double longitude = kDefaultLongitude;  // degrees, east positive
  double latitude = kDefaultLatitude;    // degrees, north positive
  int houseIndex = 0;                    // in kHouseSystems; any other index counts as the first

  char houseCode() const { return HouseSystemOf(houseIndex).code; }
  std::string_view houseName() const { return HouseSystemOf(houseIndex).name; }
};

}  // namespace caelix

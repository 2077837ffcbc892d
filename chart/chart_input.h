#pragma once
// What one calculation is asked: the date, the time of day in UT, the place and the house system.
#include <string_view>

namespace caelix {

// The house systems in the order of the main dialog's choice box.
enum class HouseSystem : int { Placidus = 0, Campanus = 1, Koch = 2 };

// Returns the code character the computation receives for a choice-box index: 'P', 'C' or 'K';
// any other index (no selection) gives 'P'.
char HouseCodeOf(int houseIndex);

// Returns "Placidus", "Campanus" or "Koch" for a choice-box index; any other index gives "Placidus".
std::string_view HouseNameOf(int houseIndex);

// Returns the choice-box index of a code character 'P', 'C' or 'K', or -1 for any other.
int HouseIndexOf(char houseCode);

struct ChartInput {
  double day = 1.0;
  double month = 1.0;
  double year = 2000.0;       // astronomical: 1 BC is 0
  double hour = 0.0;          // Universal Time
  double minute = 0.0;        // fraction allowed
  double longitude = 14.417;  // degrees, east positive
  double latitude = 50.083;   // degrees, north positive
  int houseIndex = 0;

  char houseCode() const { return HouseCodeOf(houseIndex); }
  std::string_view houseName() const { return HouseNameOf(houseIndex); }
};

}  // namespace caelix

#include "chart/chart_input.h"

namespace caelix {

char HouseCodeOf(int houseIndex) {
  switch (houseIndex) {
    case 1:
      return 'C';
    case 2:
      return 'K';
    default:
      return 'P';
  }
}

std::string_view HouseNameOf(int houseIndex) {
  switch (houseIndex) {
    case 1:
      return "Campanus";
    case 2:
      return "Koch";
    default:
      return "Placidus";
  }
}

int HouseIndexOf(char houseCode) {
  switch (houseCode) {
    case 'P':
      return 0;
    case 'C':
      return 1;
    case 'K':
      return 2;
    default:
      return -1;
  }
}

}  // namespace caelix

// The three stored files: whatever bytes they hold, loading keeps the defaults or takes values
// the dialog accepts, and the history's lines and merge stay sound.
#include <cmath>
#include <string>

#include "app/history.h"
#include "app/stored_files.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

namespace caelix::fuzz {

int HouseFileTarget(const std::uint8_t* data, std::size_t size) {
  WriteBytes(ScratchDir() / kHouseFileName, data, size);
  int houseIndex = -7;
  LoadHouseIndex(ScratchDir(), houseIndex);
  CAELIX_FUZZ_REQUIRE(houseIndex == -7 || (houseIndex >= 0 && houseIndex <= 2));
  return 0;
}

int PlaceFileTarget(const std::uint8_t* data, std::size_t size) {
  WriteBytes(ScratchDir() / kPlaceFileName, data, size);
  double longitude = kDefaultLongitude;
  double latitude = kDefaultLatitude;
  LoadPlace(ScratchDir(), longitude, latitude);
  CAELIX_FUZZ_REQUIRE(std::isfinite(longitude) && longitude >= -360.0 && longitude <= 360.0);
  CAELIX_FUZZ_REQUIRE(std::isfinite(latitude) && latitude > -66.0 && latitude < 66.0);
  return 0;
}

int HistoryFileTarget(const std::uint8_t* data, std::size_t size) {
  WriteBytes(ScratchDir() / kHistoryFileName, data, size);
  const History history = LoadHistory(ScratchDir());
  for (const HistoryRecord& r : history) {
    CAELIX_FUZZ_REQUIRE(IsUsedRecord(r) || r == HistoryRecord{});
    if (!IsUsedRecord(r)) continue;
    const std::string line = FormatHistoryLine(r);
    CAELIX_FUZZ_REQUIRE(line.find("nan") == std::string::npos && line.find("inf") == std::string::npos);
  }
  const HistoryRecord current{28, 2, 2006, 17, 5.5, 50.083, 14.417};
  const History merged = MergeHistory(history, current);
  CAELIX_FUZZ_REQUIRE(merged[0] == current);
  for (std::size_t i = 1; i < merged.size(); ++i)
    CAELIX_FUZZ_REQUIRE(!(merged[i] == current) || !IsUsedRecord(merged[i]));
  return 0;
}

}  // namespace caelix::fuzz

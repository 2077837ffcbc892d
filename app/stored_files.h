#pragma once
// The three stored files of the main dialog: house index, place and the history of inputs.
// Raw little-endian numbers without header; a missing or short file leaves the caller's defaults.
#include <filesystem>

namespace caelix {

inline constexpr const char* kHouseFileName = "ahouses.bin";
inline constexpr const char* kPlaceFileName = "aplace.bin";
inline constexpr const char* kHistoryFileName = "alastcall.bin";

inline constexpr double kDefaultLongitude = 14.417;
inline constexpr double kDefaultLatitude = 50.083;

// Reads up to 4 bytes of dir/ahouses.bin over houseIndex (a signed 32-bit integer).
void LoadHouseIndex(const std::filesystem::path& dir, int& houseIndex);

// Reads up to 8 bytes of dir/aplace.bin over longitude, then up to 8 over latitude (doubles).
void LoadPlace(const std::filesystem::path& dir, double& longitude, double& latitude);

}  // namespace caelix

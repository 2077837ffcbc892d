#pragma once
// The three stored files of the main dialog, in a data folder: the house index (ahouses.bin,
// one little-endian int32), the place (aplace.bin, longitude then latitude as doubles) and the
// history (alastcall.bin, ten 56-byte records of seven doubles). Raw numbers without header.
// Loading leaves the caller's defaults where a file is missing, short or holds values the dialog
// would not accept; a value is taken only when all its bytes are there. Anything at a file's path
// that is not a regular file (a FIFO, a device, a folder) counts as missing. Saving replaces a
// file whole (never leaving a part of it) and fails silently. Saving the history holds the lock
// file (caelix.lock) from reading the old history to renaming the new one, so that two programs
// saving into one folder at once keep both inputs.
#include <filesystem>

#include "app/history.h"
#include "chart/input_rules.h"

namespace caelix {

inline constexpr const char* kHouseFileName = "ahouses.bin";
inline constexpr const char* kPlaceFileName = "aplace.bin";
inline constexpr const char* kHistoryFileName = "alastcall.bin";
inline constexpr const char* kLockFileName = "caelix.lock";

// Reads dir/ahouses.bin over houseIndex when it holds an index 0 to 2.
void LoadHouseIndex(const std::filesystem::path& dir, int& houseIndex);

// Reads dir/aplace.bin: the longitude over longitude when finite and within -360 to 360, the
// latitude over latitude when finite and strictly between -66 and 66.
void LoadPlace(const std::filesystem::path& dir, double& longitude, double& latitude);

// Returns the ten records of dir/alastcall.bin, each record that is not whole in the file or not
// used (IsUsedRecord) as an empty one; ten empty records when the file can't be read.
History LoadHistory(const std::filesystem::path& dir);

void SaveHouseIndex(const std::filesystem::path& dir, int houseIndex);
void SavePlace(const std::filesystem::path& dir, double longitude, double latitude);
// Writes MergeHistory(LoadHistory(dir), current) to dir/alastcall.bin, holding dir/caelix.lock.
void SaveHistory(const std::filesystem::path& dir, const HistoryRecord& current);

}  // namespace caelix

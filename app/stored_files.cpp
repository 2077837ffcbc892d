#include "app/stored_files.h"

#include <cstdint>
#include <cstring>

#include "chart/input_rules.h"
#include "platform/binary_file.h"
#include "platform/file_lock.h"

namespace caelix {

namespace {

// The files are little-endian, as is every machine this builds for.
static_assert(sizeof(double) == 8 && sizeof(std::int32_t) == 4);
constexpr std::size_t kRecordBytes = 7 * sizeof(double);

// Reads sizeof(T) bytes into value when the file has them all.
template <typename T>
bool ReadWhole(BinaryFile& file, T& value) {
  unsigned char bytes[sizeof(T)];
  if (file.Read(bytes, sizeof bytes) != sizeof bytes) return false;
  std::memcpy(&value, bytes, sizeof(T));
  return true;
}

void WriteFile(const std::filesystem::path& path, const void* bytes, std::size_t size) {
  BinaryFile file;
  if (!file.Open(path, FileMode::CreateWriteExclusive)) return;
  if (file.Write(bytes, size)) file.Close();
}

}  // namespace

void LoadHouseIndex(const std::filesystem::path& dir, int& houseIndex) {
  BinaryFile file;
  if (!file.Open(dir / kHouseFileName, FileMode::ReadShareDenyWrite)) return;
  std::int32_t v = 0;
  if (ReadWhole(file, v) && IsHouseIndex(v)) houseIndex = v;
}

void LoadPlace(const std::filesystem::path& dir, double& longitude, double& latitude) {
  BinaryFile file;
  if (!file.Open(dir / kPlaceFileName, FileMode::ReadShareDenyWrite)) return;
  double v = 0.0;
  if (!ReadWhole(file, v)) return;
  if (IsLongitudeInRange(v)) longitude = v;
  if (!ReadWhole(file, v)) return;
  if (IsLatitudeInRange(v)) latitude = v;
}

History LoadHistory(const std::filesystem::path& dir) {
  History history{};
  BinaryFile file;
  if (!file.Open(dir / kHistoryFileName, FileMode::ReadShareDenyWrite)) return history;
  for (HistoryRecord& r : history) {
    double v[7];
    if (file.Read(v, kRecordBytes) != kRecordBytes) break;
    const HistoryRecord read{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    if (IsUsedRecord(read)) r = read;
  }
  return history;
}

void SaveHouseIndex(const std::filesystem::path& dir, int houseIndex) {
  const std::int32_t v = houseIndex;
  WriteFile(dir / kHouseFileName, &v, sizeof v);
}

void SavePlace(const std::filesystem::path& dir, double longitude, double latitude) {
  const double v[2] = {longitude, latitude};
  WriteFile(dir / kPlaceFileName, v, sizeof v);
}

void SaveHistory(const std::filesystem::path& dir, const HistoryRecord& current) {
  const FileLock lock(dir / kLockFileName);
  const History merged = MergeHistory(LoadHistory(dir), current);
  double v[kHistorySize * 7];
  for (std::size_t i = 0; i < merged.size(); ++i) {
    const HistoryRecord& r = merged[i];
    const double fields[7] = {r.day, r.month, r.year, r.hour, r.minute, r.latitude, r.longitude};
    std::memcpy(&v[i * 7], fields, sizeof fields);
  }
  WriteFile(dir / kHistoryFileName, v, sizeof v);
}

}  // namespace caelix

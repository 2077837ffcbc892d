#include "app/stored_files.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace caelix {

namespace {

// Reads up to size bytes into the object representation of value; a short read fills only what
// the file has. The files are little-endian, as is every machine this builds for.
template <typename T>
void ReadOver(std::ifstream& in, T& value) {
  unsigned char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  in.read(reinterpret_cast<char*>(bytes), sizeof(T));
  std::memcpy(&value, bytes, sizeof(T));
}

}  // namespace

void LoadHouseIndex(const std::filesystem::path& dir, int& houseIndex) {
  std::ifstream in(dir / kHouseFileName, std::ios::binary);
  if (!in) return;
  std::int32_t v = houseIndex;
  ReadOver(in, v);
  houseIndex = v;
}

void LoadPlace(const std::filesystem::path& dir, double& longitude, double& latitude) {
  std::ifstream in(dir / kPlaceFileName, std::ios::binary);
  if (!in) return;
  ReadOver(in, longitude);
  if (in) ReadOver(in, latitude);
}

}  // namespace caelix

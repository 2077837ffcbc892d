#pragma once
// The layout of the atlas blob (places/data/atlas.bin), written by tools/make-atlas and read by
// the atlas: little-endian integers, offsets in bytes from the blob's start, texts UTF-8 and
// NUL-terminated.
//
//   header      kHeaderBytes: the magic, then the u32 fields of AtlasHeaderField
//   places      placeCount records of kPlaceBytes, in the order of the GeoNames file:
//                 i32 latitude, i32 longitude (degree × 1e5), u32 population, u32 name,
//                 u16 zone, u16 region (kNoRegion), u16 country, u8 flags (kCapitalFlag), u8 0
//   key index   keyCount u32 offsets of key records, sorted by key text, then best place first
//   key records the folded key text, NUL, u32 place index (kAlternateKeyFlag: an alternate name)
//   countries   countryCount records of kCountryBytes: 2-letter code, 3-letter code, 3 zero bytes,
//                 u32 name, u32 common name, u32 official name (0: none)
//   regions     regionCount records of kRegionBytes: u32 GeoNames code, u32 name, u32 ISO 3166-2
//                 code (0: none), u16 country, u16 0
//   zones       zoneCount u32 offsets of IANA zone names
//   texts       the texts the offsets point to; offset 0 is the empty text
#include <cstdint>

namespace caelix::atlas_format {

inline constexpr char kMagic[8] = {'C', 'X', 'A', 'T', 'L', 'A', 'S', '1'};
inline constexpr std::uint32_t kHeaderBytes = 64;
inline constexpr std::uint32_t kPlaceBytes = 24;
inline constexpr std::uint32_t kCountryBytes = 20;
inline constexpr std::uint32_t kRegionBytes = 16;
inline constexpr std::uint16_t kNoRegion = 0xFFFF;
inline constexpr std::uint8_t kCapitalFlag = 1;
inline constexpr std::uint32_t kAlternateKeyFlag = 0x80000000u;
inline constexpr double kCoordinateUnitsPerDeg = 1e5;

// The u32 fields of the header, at 8 + 4 * field.
enum AtlasHeaderField : std::uint32_t {
  kPlaceCount,
  kKeyCount,
  kCountryCount,
  kRegionCount,
  kZoneCount,
  kPlacesOffset,
  kKeyIndexOffset,
  kCountriesOffset,
  kRegionsOffset,
  kZonesOffset,
  kSourceText,  // offset of the text naming the sources
  kHeaderFieldCount
};

// The rank of a place among those sharing a key: its population, ten times for a national
// capital, a fifth for a match on an alternate name (so that Geneva is Genève rather than
// Geneva, Illinois, and Monaco the principality, not München by its Italian name).
inline constexpr std::uint64_t MatchRank(std::uint32_t population, bool capital, bool alternate) {
  std::uint64_t rank = static_cast<std::uint64_t>(population) * 10u;
  if (capital) rank *= 10u;
  if (alternate) rank /= 5u;
  return rank;
}

}  // namespace caelix::atlas_format

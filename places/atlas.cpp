#include "places/atlas.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "places/atlas_format.h"
#include "places/text_folding.h"

extern "C" const char caelix_atlas_begin[];
extern "C" const char caelix_atlas_end[];

namespace caelix {

namespace fmt = atlas_format;

static_assert(std::endian::native == std::endian::little, "the atlas blob is little-endian");

namespace {

constexpr std::size_t kPrefixMinLetters = 3;
// Qualifiers shorter than this must equal a name; longer ones may begin it ("Russia").
constexpr std::size_t kQualifierPrefixMinLetters = 4;

std::string Upper(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// A qualifier as typed: its upper-case text for codes and its folded text for names.
struct Qualifier {
  std::string code;
  std::string folded;
};

bool NameMatches(std::string_view name, const std::string& folded) {
  if (name.empty() || folded.empty()) return false;
  const std::string key = FoldForSearch(name);
  return key == folded || (folded.size() >= kQualifierPrefixMinLetters && key.starts_with(folded));
}

}  // namespace

Atlas::Atlas(std::string_view blob) : blob_(blob) {
  if (blob.size() < fmt::kHeaderBytes || std::memcmp(blob.data(), fmt::kMagic, sizeof fmt::kMagic) != 0) {
    throw std::runtime_error("the atlas blob has no atlas header");
  }
  const auto field = [this](fmt::AtlasHeaderField f) { return U32(8 + 4 * f); };
  placeCount_ = field(fmt::kPlaceCount);
  keyCount_ = field(fmt::kKeyCount);
  countryCount_ = field(fmt::kCountryCount);
  regionCount_ = field(fmt::kRegionCount);
  zoneCount_ = field(fmt::kZoneCount);
  places_ = field(fmt::kPlacesOffset);
  keyIndex_ = field(fmt::kKeyIndexOffset);
  countries_ = field(fmt::kCountriesOffset);
  regions_ = field(fmt::kRegionsOffset);
  zones_ = field(fmt::kZonesOffset);
  source_ = field(fmt::kSourceText);
  const std::uint64_t size = blob.size();
  if (places_ + std::uint64_t{placeCount_} * fmt::kPlaceBytes > size ||
      keyIndex_ + std::uint64_t{keyCount_} * 4 > size ||
      countries_ + std::uint64_t{countryCount_} * fmt::kCountryBytes > size ||
      regions_ + std::uint64_t{regionCount_} * fmt::kRegionBytes > size ||
      zones_ + std::uint64_t{zoneCount_} * 4 > size || source_ >= size || blob.back() != '\0') {
    throw std::runtime_error("the atlas blob is truncated");
  }
}

const Atlas& Atlas::Embedded() {
  static const Atlas atlas(
      std::string_view(caelix_atlas_begin, static_cast<std::size_t>(caelix_atlas_end - caelix_atlas_begin)));
  return atlas;
}

std::uint32_t Atlas::U32(std::uint32_t offset) const {
  std::uint32_t v = 0;
  if (offset + std::uint64_t{4} <= blob_.size()) std::memcpy(&v, blob_.data() + offset, 4);
  return v;
}

std::string_view Atlas::Text(std::uint32_t offset) const {
  if (offset >= blob_.size()) return {};
  const char* start = blob_.data() + offset;
  const void* end = std::memchr(start, '\0', blob_.size() - offset);
  return end ? std::string_view(start, static_cast<const char*>(end) - start) : std::string_view{};
}

std::string_view Atlas::KeyText(std::uint32_t keyIndex) const { return Text(U32(keyIndex_ + 4 * keyIndex)); }

std::uint32_t Atlas::KeyPlace(std::uint32_t keyIndex) const {
  const std::uint32_t record = U32(keyIndex_ + 4 * keyIndex);
  return U32(record + static_cast<std::uint32_t>(Text(record).size()) + 1);
}

std::uint32_t Atlas::LowerBound(std::string_view key) const {
  std::uint32_t lo = 0;
  std::uint32_t hi = keyCount_;
  while (lo < hi) {
    const std::uint32_t mid = lo + (hi - lo) / 2;
    if (KeyText(mid) < key) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

AtlasPlace Atlas::Place(std::uint32_t index) const {
  AtlasPlace p;
  if (index >= placeCount_) return p;
  const std::uint32_t at = places_ + index * fmt::kPlaceBytes;
  p.index = index;
  p.latitudeDeg = static_cast<std::int32_t>(U32(at)) / fmt::kCoordinateUnitsPerDeg;
  p.longitudeDeg = static_cast<std::int32_t>(U32(at + 4)) / fmt::kCoordinateUnitsPerDeg;
  p.population = U32(at + 8);
  p.name = Text(U32(at + 12));
  const std::uint32_t zoneRegion = U32(at + 16);
  const std::uint32_t countryFlags = U32(at + 20);
  const std::uint32_t zone = zoneRegion & 0xFFFF;
  const std::uint32_t region = zoneRegion >> 16;
  const std::uint32_t country = countryFlags & 0xFFFF;
  p.capital = ((countryFlags >> 16) & fmt::kCapitalFlag) != 0;
  if (zone < zoneCount_) p.zone = Text(U32(zones_ + 4 * zone));
  if (region < regionCount_) {
    const std::uint32_t r = regions_ + region * fmt::kRegionBytes;
    p.regionCode = Text(U32(r));
    p.regionName = Text(U32(r + 4));
    p.regionIso = Text(U32(r + 8));
  }
  if (country < countryCount_) {
    const std::uint32_t c = countries_ + country * fmt::kCountryBytes;
    p.countryCode = blob_.substr(c, 2);
    p.countryName = Text(U32(c + 8));
  }
  return p;
}

std::string_view Atlas::SourceText() const { return Text(source_); }

bool Atlas::Qualifies(std::uint32_t index, const std::vector<std::string>& qualifiers) const {
  if (qualifiers.empty()) return true;
  const AtlasPlace p = Place(index);
  const std::uint32_t at = places_ + index * fmt::kPlaceBytes;
  const std::uint32_t c = countries_ + (U32(at + 20) & 0xFFFF) * fmt::kCountryBytes;
  const std::string_view code3 = c + 5 <= blob_.size() ? Text(c + 2) : std::string_view{};
  for (const std::string& typed : qualifiers) {
    const Qualifier q{Upper(typed), FoldForSearch(typed)};
    const bool country = q.code == p.countryCode || (code3.size() == 3 && q.code == code3) ||
                         NameMatches(p.countryName, q.folded) || NameMatches(Text(U32(c + 12)), q.folded) ||
                         NameMatches(Text(U32(c + 16)), q.folded);
    const bool region = (!p.regionCode.empty() && q.code == Upper(p.regionCode)) ||
                        (!p.regionIso.empty() && q.code == p.regionIso) || NameMatches(p.regionName, q.folded);
    if (!country && !region) return false;
  }
  return true;
}

std::vector<AtlasMatch> Atlas::Find(std::string_view query, std::size_t limit) const {
  std::vector<AtlasMatch> matches;
  const std::size_t comma = query.find(',');
  const std::string key = FoldForSearch(query.substr(0, comma));
  if (key.empty() || limit == 0) return matches;
  std::vector<std::string> qualifiers;
  if (comma != std::string_view::npos) {
    std::string_view rest = query.substr(comma + 1);
    while (true) {
      const std::size_t next = rest.find(',');
      const std::string_view q = Trim(rest.substr(0, next));
      if (!q.empty()) qualifiers.emplace_back(q);
      if (next == std::string_view::npos) break;
      rest.remove_prefix(next + 1);
    }
  }
  const auto taken = [&matches](std::uint32_t place) {
    return std::any_of(matches.begin(), matches.end(), [place](const AtlasMatch& m) { return m.place.index == place; });
  };
  // Whole-name matches: the index holds each key's places best first.
  std::uint32_t k = LowerBound(key);
  for (; k < keyCount_ && KeyText(k) == key; ++k) {
    if (matches.size() == limit) return matches;
    const std::uint32_t ref = KeyPlace(k);
    const std::uint32_t place = ref & ~fmt::kAlternateKeyFlag;
    if (!Qualifies(place, qualifiers) || taken(place)) continue;
    matches.push_back({Place(place), (ref & fmt::kAlternateKeyFlag) != 0, true});
  }
  if (matches.size() == limit || key.size() < kPrefixMinLetters) return matches;

  // Names the query begins, ranked alike.
  struct Candidate {
    std::uint64_t rank;
    std::uint32_t ref;
  };
  std::vector<Candidate> candidates;
  for (; k < keyCount_ && KeyText(k).starts_with(key); ++k) {
    const std::uint32_t ref = KeyPlace(k);
    const std::uint32_t place = ref & ~fmt::kAlternateKeyFlag;
    const std::uint32_t at = places_ + place * fmt::kPlaceBytes;
    const bool capital = ((U32(at + 20) >> 16) & fmt::kCapitalFlag) != 0;
    candidates.push_back({fmt::MatchRank(U32(at + 8), capital, (ref & fmt::kAlternateKeyFlag) != 0), ref});
  }
  // Best first, ties in key order; only as many sorted as are likely needed, all when the
  // qualifiers or repeated places leave too few of those.
  const auto better = [](const Candidate& a, const Candidate& b) {
    return a.rank > b.rank || (a.rank == b.rank && a.ref < b.ref);
  };
  std::size_t sorted = std::min(candidates.size(), qualifiers.empty() ? 4 * limit : candidates.size());
  std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(sorted), candidates.end(),
                    better);
  for (std::size_t i = 0; i < candidates.size() && matches.size() < limit; ++i) {
    if (i == sorted) {
      std::sort(candidates.begin() + static_cast<std::ptrdiff_t>(sorted), candidates.end(), better);
      sorted = candidates.size();
    }
    const Candidate& c = candidates[i];
    const std::uint32_t place = c.ref & ~fmt::kAlternateKeyFlag;
    if (taken(place) || !Qualifies(place, qualifiers)) continue;
    matches.push_back({Place(place), (c.ref & fmt::kAlternateKeyFlag) != 0, false});
  }
  return matches;
}

std::string DescribePlace(const AtlasPlace& place) {
  std::string text(place.name);
  if (!place.regionName.empty()) {
    text += ", ";
    text += place.regionName;
  } else if (!place.regionCode.empty()) {
    text += ", ";
    text += place.regionCode;
  }
  text += ", ";
  if (!place.countryName.empty()) {
    text += place.countryName;
    text += " (";
    text += place.countryCode;
    text += ")";
  } else {
    text += place.countryCode;
  }
  char coordinates[64];
  std::snprintf(coordinates, sizeof coordinates, ", %.4f %c %.4f %c, ", std::fabs(place.latitudeDeg),
                place.latitudeDeg < 0 ? 'S' : 'N', std::fabs(place.longitudeDeg), place.longitudeDeg < 0 ? 'W' : 'E');
  text += coordinates;
  text += place.zone;
  return text;
}

}  // namespace caelix

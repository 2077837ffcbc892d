#pragma once
// The offline atlas of places: the GeoNames towns of 1,000 inhabitants or more, embedded in the
// program (places/data/atlas.bin, layout in atlas_format.h), searched by folded name.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace caelix {

struct AtlasPlace {
  std::uint32_t index = 0;       // in the atlas, the GeoNames file's order
  std::string_view name;         // as GeoNames spells it ("Zürich")
  std::string_view regionCode;   // GeoNames first-level code ("IL", "29"), empty when none
  std::string_view regionName;   // "Illinois", empty when unknown
  std::string_view regionIso;    // the ISO 3166-2 code where it differs from regionCode ("ON"), or empty
  std::string_view countryCode;  // ISO 3166-1 alpha-2 ("ES")
  std::string_view countryName;  // "Spain", or empty when ISO 3166 has none
  std::string_view zone;         // IANA zone name ("Europe/Madrid")
  double latitudeDeg = 0.0;      // north positive
  double longitudeDeg = 0.0;     // east positive
  std::uint32_t population = 0;
  bool capital = false;  // a national capital
};

struct AtlasMatch {
  AtlasPlace place;
  bool alternateName = false;  // found by one of its alternate names ("Munich" for München)
  bool exact = false;          // the whole name matched, not only its beginning
};

class Atlas {
 public:
  // A view of an atlas blob; throws std::runtime_error when it is not one.
  explicit Atlas(std::string_view blob);

  // The atlas compiled into the program.
  static const Atlas& Embedded();

  std::uint32_t PlaceCount() const { return placeCount_; }
  AtlasPlace Place(std::uint32_t index) const;
  std::string_view SourceText() const;  // the sources and their licence, for --version

  // Returns the places a query names, best first, at most limit. The query is a name, optionally
  // followed by qualifiers after commas, each a country (code "FR", "FRA" or name "France") or a
  // first-level region (code "IL", ISO code "ON" or name "Illinois"), all of which must hold. Names
  // are compared folded (case, accents and punctuation ignored), alternate names included. Whole-
  // name matches come first, ranked by population (ten times for a national capital, a fifth for
  // an alternate name); then, for a name of three letters or more, the names it begins, ranked alike.
  std::vector<AtlasMatch> Find(std::string_view query, std::size_t limit) const;

 private:
  std::uint32_t U32(std::uint32_t offset) const;
  std::string_view Text(std::uint32_t offset) const;
  std::string_view KeyText(std::uint32_t keyIndex) const;
  std::uint32_t KeyPlace(std::uint32_t keyIndex) const;
  std::uint32_t LowerBound(std::string_view key) const;
  bool Qualifies(std::uint32_t place, const std::vector<std::string>& qualifiers) const;

  std::string_view blob_;
  std::uint32_t placeCount_ = 0;
  std::uint32_t keyCount_ = 0;
  std::uint32_t countryCount_ = 0;
  std::uint32_t regionCount_ = 0;
  std::uint32_t zoneCount_ = 0;
  std::uint32_t places_ = 0;
  std::uint32_t keyIndex_ = 0;
  std::uint32_t countries_ = 0;
  std::uint32_t regions_ = 0;
  std::uint32_t zones_ = 0;
  std::uint32_t source_ = 0;
};

// Returns how a place is named in output: "Madrid, Madrid, Spain (ES), 40.4165 N 3.7026 W,
// Europe/Madrid".
std::string DescribePlace(const AtlasPlace& place);

}  // namespace caelix

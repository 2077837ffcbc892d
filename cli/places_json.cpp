#include "cli/places_json.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

namespace caelix {

namespace {

void String(rapidjson::Writer<rapidjson::StringBuffer>& w, const char* key, std::string_view text) {
  w.Key(key);
  w.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

}  // namespace

std::string PlacesToJson(const std::vector<AtlasMatch>& matches) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> w(buffer);
  w.StartArray();
  for (const AtlasMatch& m : matches) {
    const AtlasPlace& p = m.place;
    w.StartObject();
    String(w, "name", p.name);
    String(w, "region", p.regionName);
    String(w, "regionCode", p.regionCode);
    String(w, "country", p.countryName);
    String(w, "countryCode", p.countryCode);
    w.Key("latitude");
    w.Double(p.latitudeDeg);
    w.Key("longitude");
    w.Double(p.longitudeDeg);
    String(w, "zone", p.zone);
    w.Key("population");
    w.Uint(p.population);
    w.Key("alternateName");
    w.Bool(m.alternateName);
    w.Key("exact");
    w.Bool(m.exact);
    w.EndObject();
  }
  w.EndArray();
  return std::string(buffer.GetString(), buffer.GetSize());
}

}  // namespace caelix

#include "cli/places_command.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/echoed_text.h"
#include "places/atlas.h"

namespace caelix {

namespace {

constexpr int kMaxLimit = 1000;

void String(rapidjson::Writer<rapidjson::StringBuffer>& w, const char* key, std::string_view text) {
  w.Key(key);
  w.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

}  // namespace

CLI::App* AddPlacesCommand(CLI::App& app, PlacesOptions& options) {
  CLI::App* places = app.add_subcommand(
      "places",
      "List the places of the built-in atlas (GeoNames towns of 1,000 inhabitants or more) that a name matches, best "
      "first. Case, accents and punctuation are ignored; alternate names count (Munich, München); qualifiers after "
      "commas name the country or region: \"Paris, FR\", \"Paris, France\", \"Springfield, IL\"");
  places->add_option("QUERY", options.query, "Place name, optionally followed by \", country\" or \", region\"")
      ->required();
  places->add_option("--limit", options.limit, "Candidates to list, 1 to 1000 (default: 10)")
      ->check(CLI::Range(1, kMaxLimit));
  places->add_flag("--json", options.json, "Print the candidates as one JSON array");
  return places;
}

int RunPlacesCommand(const PlacesOptions& options, std::ostream& out, std::ostream& err) {
  const std::vector<AtlasMatch> matches =
      Atlas::Embedded().Find(options.query, static_cast<std::size_t>(options.limit));
  if (matches.empty()) {
    err << "caelix places: no place of the atlas matches " << QuotedEcho(options.query) << '\n';
    return 1;
  }
  if (!options.json) {
    for (const AtlasMatch& m : matches) {
      out << DescribePlace(m.place) << ", population " << m.place.population << '\n';
    }
    return 0;
  }
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
  out << std::string_view(buffer.GetString(), buffer.GetSize()) << '\n';
  return 0;
}

}  // namespace caelix

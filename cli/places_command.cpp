#include "cli/places_command.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/echoed_text.h"
#include "cli/places_json.h"
#include "places/atlas.h"

namespace caelix {

CLI::App* AddPlacesCommand(CLI::App& app, PlacesOptions& options) {
  CLI::App* places = app.add_subcommand(
      "places",
      "List the places of the built-in atlas (GeoNames towns of 1,000 inhabitants or more) that a name matches, best "
      "first. Case, accents and punctuation are ignored; alternate names count (Munich, München); qualifiers after "
      "commas name the country or region: \"Paris, FR\", \"Paris, France\", \"Springfield, IL\"");
  places->add_option("QUERY", options.query, "Place name, optionally followed by \", country\" or \", region\"")
      ->required();
  places->add_option("--limit", options.limit, "Candidates to list, 1 to 1000 (default: 10)")
      ->check(CLI::Range(1, kMaxPlacesLimit));
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
  out << PlacesToJson(matches) << '\n';
  return 0;
}

}  // namespace caelix

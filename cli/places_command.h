#pragma once
// `caelix places QUERY`: the atlas' candidates for a place name, best first.
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace caelix {

struct PlacesOptions {
  std::string query;
  int limit = 10;
  bool json = false;
};

// Adds the places subcommand and its options to app; the options are written into options.
CLI::App* AddPlacesCommand(CLI::App& app, PlacesOptions& options);

// Prints the candidates, one a line ("Springfield, Missouri, United States (US), 37.2153 N
// 93.2982 W, America/Chicago, population 159498"), or with --json one array of objects; returns
// 0, or 1 when no place matches (the reason on err).
int RunPlacesCommand(const PlacesOptions& options, std::ostream& out, std::ostream& err);

}  // namespace caelix

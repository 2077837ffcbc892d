#pragma once
// `caelix places QUERY`: the atlas' candidates for a place name, best first.
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace caelix {

// The candidates listed when no number is asked for, and the most that may be asked for.
constexpr int kDefaultPlacesLimit = 10;
constexpr int kMaxPlacesLimit = 1000;

struct PlacesOptions {
  std::string query;
  int limit = kDefaultPlacesLimit;
  bool json = false;
};

// Adds the places subcommand and its options to app; the options are written into options.
CLI::App* AddPlacesCommand(CLI::App& app, PlacesOptions& options);

// Prints the candidates, one a line ("Springfield, Missouri, United States (US), 37.2153 N
// 93.2982 W, America/Chicago, population 159498"), or with --json one array of objects; returns
// 0, or 1 when no place matches (the reason on err).
int RunPlacesCommand(const PlacesOptions& options, std::ostream& out, std::ostream& err);

}  // namespace caelix

#pragma once
// The machine-readable form of the atlas' candidates, as `caelix places --json` and the web API's
// /api/v1/places give it.
#include <string>
#include <vector>

#include "places/atlas.h"

namespace caelix {

// Returns the matches as one JSON array (no line end), best first: per place "name", "region",
// "regionCode", "country", "countryCode", "latitude" and "longitude" (degrees, north and east
// positive), "zone" (IANA), "population", "alternateName" (found by an alternate name) and
// "exact" (the whole name matched). Written with RapidJSON's writer.
std::string PlacesToJson(const std::vector<AtlasMatch>& matches);

}  // namespace caelix

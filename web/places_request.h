#pragma once
// One request of /api/v1/places: what `caelix places QUERY --limit N` would have been typed.
#include <string>

#include "web/chart_request.h"

namespace caelix {

struct PlacesRequest {
  std::string query;  // an atlas query: a name, then qualifiers after commas ("Paris, FR")
  int limit = 0;      // the most candidates to return
};

// Returns the request the parameters make: q (required, not blank) the query, limit (a whole
// number from 1 to kMaxPlacesLimit, default kDefaultPlacesLimit) the number of candidates. An
// unknown, repeated, missing or bad parameter is refused, naming it.
RequestResult<PlacesRequest> PlacesRequestFromParams(const RequestParams& params);

}  // namespace caelix

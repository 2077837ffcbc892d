#include "web/places_request.h"

#include <charconv>

#include "cli/places_command.h"

namespace caelix {

namespace {

constexpr std::string_view kQueryParam = "q";
constexpr std::string_view kLimitParam = "limit";

bool Blank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

}  // namespace

RequestResult<PlacesRequest> PlacesRequestFromParams(const RequestParams& params) {
  RequestResult<PlacesRequest> result;
  auto refuse = [&result](std::string_view parameter, std::string message) {
    result.error = {std::string(parameter), std::move(message)};
    return result;
  };
  const std::string queryWanted =
      "a place name, optionally followed by \", country\" or \", region\": Madrid, \"Paris, FR\"";
  PlacesRequest request;
  request.limit = kDefaultPlacesLimit;
  bool querySeen = false;
  bool limitSeen = false;
  for (const RequestParam& p : params) {
    if (p.name == kQueryParam) {
      if (querySeen) return refuse(p.name, "given more than once");
      querySeen = true;
      if (Blank(p.value)) return refuse(p.name, queryWanted);
      request.query = p.value;
    } else if (p.name == kLimitParam) {
      if (limitSeen) return refuse(p.name, "given more than once");
      limitSeen = true;
      int value = 0;
      const char* end = p.value.data() + p.value.size();
      const auto [stop, ec] = std::from_chars(p.value.data(), end, value);
      if (ec != std::errc() || stop != end || value < 1 || value > kMaxPlacesLimit) {
        return refuse(p.name, "the number of candidates, a whole number from 1 to " + std::to_string(kMaxPlacesLimit));
      }
      request.limit = value;
    } else {
      return refuse(p.name, "not a parameter here; these are: q, limit");
    }
  }
  if (!querySeen) return refuse(kQueryParam, queryWanted);
  result.value = std::move(request);
  return result;
}

}  // namespace caelix

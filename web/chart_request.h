#pragma once
// One chart request of the web API turned into what `caelix chart` would have been typed: the
// same options, the same parsers and the same messages, without the stored files of a data folder.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_input.h"
#include "chart/precise_chart.h"
#include "cli/chart_command.h"
#include "platform/clock.h"

namespace caelix {

// One parameter as the query or the JSON body gives it.
struct RequestParam {
  std::string name;
  std::string value;
};
using RequestParams = std::vector<RequestParam>;

// A refused request: the parameter at fault ("date", "body") and why, in the command line's words.
struct ParamError {
  std::string parameter;
  std::string message;
};

// What the chart endpoints take: the chart options, the engine among them (checked), and for the
// pictures the wheel's options (size, style, theme, points, aspects, name).
struct ChartRequest {
  ChartOptions options;
  Engine engine = Engine::Precise;
};

template <typename T>
struct RequestResult {
  std::optional<T> value;
  ParamError error;  // when value is empty
};

// Returns the request the parameters make: each chart parameter (date, time, place, tz, resolve,
// lon, lat, houses, engine) into the option of `caelix chart` it names (tz is --tz); for a picture
// (withPicture) also size, style, theme, points, aspects and name, as `caelix chart --svg` takes
// them. Without an engine parameter the engine is defaultEngine. An unknown or repeated name, an
// engine or a size out of their choices are refused; the other values are checked later, by
// ResolveChartRequest and ResolvePictureOptions.
RequestResult<ChartRequest> ChartRequestFromParams(const RequestParams& params, bool withPicture,
                                                   Engine defaultEngine = Engine::Precise);

// Returns the chart input of a request as `caelix chart` resolves its options: a missing date or
// time is now's (UT), a missing place or house system the built-in default; with place or tz, the
// date and time are the local clock, converted to UT, and birth (when given) receives what was
// done. No file is read. A bad value is refused with the command line's reason, naming the parameter.
RequestResult<ChartInput> ResolveChartRequest(const ChartRequest& request, const UtcDateTime& now,
                                              std::optional<ResolvedBirthData>* birth = nullptr);

// Splits one of the command line's error lines ("caelix chart: --lon: why") into the parameter
// ("lon") and the reason ("why"); a line of another shape is kept whole as the reason.
ParamError ParamErrorFromCommandLine(std::string_view line);

// Returns the parameters of a JSON object body ({"date": "2000-01-01", "lat": 50.083}): each
// value a string, or a number taken as it is written. Anything else is refused, naming "body" or
// the parameter.
RequestResult<RequestParams> ParamsFromJsonBody(std::string_view body);

}  // namespace caelix

// The web API's input: a request body, read as `caelix serve` reads it. It is refused with a
// parameter named and a reason, or it gives a chart in range and a sound one.
#include <cmath>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"
#include "web/chart_request.h"
#include "web/json_replies.h"

namespace caelix::fuzz {

int WebRequestTarget(const std::uint8_t* data, std::size_t size) {
  // The first byte says whether the request is for a picture (size taken); the rest is the body.
  if (size == 0) return 0;
  const bool withSize = (data[0] & 1) != 0;
  const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto params = ParamsFromJsonBody(body);
  auto refused = [](const ParamError& e) {
    CAELIX_FUZZ_REQUIRE(!e.parameter.empty() && !e.message.empty());
    CAELIX_FUZZ_REQUIRE(ParamErrorJson(e).front() == '{');
    return 0;
  };
  if (!params.value) return refused(params.error);
  const auto request = ChartRequestFromParams(*params.value, withSize);
  if (!request.value) return refused(request.error);
  const std::optional<int> side = request.value->options.pictureSize;
  CAELIX_FUZZ_REQUIRE(!side || (*side >= kMinSvgSize && *side <= kMaxSvgSize));
  CAELIX_FUZZ_REQUIRE(!request.value->options.storedDefaults);
  const auto input = ResolveChartRequest(*request.value, UtcDateTime{2006, 2, 28, 17, 5, 0});
  if (!input.value) return refused(input.error);
  const ChartInput& in = *input.value;
  CAELIX_FUZZ_REQUIRE(in.longitude >= -360.0 && in.longitude <= 360.0);
  CAELIX_FUZZ_REQUIRE(std::fabs(in.latitude) < 90.0);
  CAELIX_FUZZ_REQUIRE(in.houseIndex >= 0 && in.houseIndex <= 2);
  RequireSoundChart(in);
  return 0;
}

}  // namespace caelix::fuzz

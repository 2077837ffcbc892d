#include "web/chart_request.h"

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include <charconv>

namespace caelix {

namespace {

// The parameters of a chart request and the option of `caelix chart` each one fills.
struct ChartParam {
  std::string_view name;
  std::optional<std::string> ChartOptions::*option;
};
constexpr ChartParam kChartParams[] = {
    {"date", &ChartOptions::date},    {"time", &ChartOptions::time},       {"place", &ChartOptions::place},
    {"tz", &ChartOptions::zone},      {"resolve", &ChartOptions::resolve}, {"lon", &ChartOptions::longitude},
    {"lat", &ChartOptions::latitude}, {"houses", &ChartOptions::houses},
};
// The wheel's options of a picture request, by the names of `caelix chart`'s options.
constexpr ChartParam kPictureParams[] = {
    {"style", &ChartOptions::style},     {"theme", &ChartOptions::theme}, {"points", &ChartOptions::points},
    {"aspects", &ChartOptions::aspects}, {"name", &ChartOptions::name},
};
constexpr std::string_view kEngineParam = "engine";
constexpr std::string_view kSizeParam = "size";

std::string ParamNames(bool withSize) {
  std::string names;
  for (const ChartParam& p : kChartParams) names.append(names.empty() ? "" : ", ").append(p.name);
  names.append(", ").append(kEngineParam);
  if (withSize) {
    names.append(", ").append(kSizeParam);
    for (const ChartParam& p : kPictureParams) names.append(", ").append(p.name);
  }
  return names;
}

// The side of a picture: a whole number of pixels within the command line's --size range.
std::optional<int> ParseSize(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < kMinSvgSize || value > kMaxSvgSize) return std::nullopt;
  return value;
}

}  // namespace

RequestResult<ChartRequest> ChartRequestFromParams(const RequestParams& params, bool withSize, Engine defaultEngine) {
  RequestResult<ChartRequest> result;
  ChartRequest request;
  request.options.storedDefaults = false;
  request.engine = defaultEngine;
  request.options.engine = EngineName(defaultEngine);
  // A picture is drawn (the wheel's options are taken) but never written to a file.
  if (withSize) request.options.svgFile = std::string();
  bool sizeSeen = false;
  bool engineSeen = false;
  auto refuse = [&result](std::string_view parameter, std::string message) {
    result.error = {std::string(parameter), std::move(message)};
    return result;
  };
  for (const RequestParam& p : params) {
    if (withSize && p.name == kSizeParam) {
      if (sizeSeen) return refuse(p.name, "given more than once");
      sizeSeen = true;
      const auto size = ParseSize(p.value);
      if (!size) {
        return refuse(p.name, "the side in pixels, a whole number from " + std::to_string(kMinSvgSize) + " to " +
                                  std::to_string(kMaxSvgSize));
      }
      request.options.pictureSize = *size;
      continue;
    }
    if (p.name == kEngineParam) {
      if (engineSeen) return refuse(p.name, "given more than once");
      engineSeen = true;
      const auto engine = ParseEngine(p.value);
      if (!engine) {
        return refuse(p.name, std::string("one of ") + std::string(EngineName(Engine::Precise)) + ", " +
                                  std::string(EngineName(Engine::Classic)));
      }
      request.engine = *engine;
      request.options.engine = p.value;
      continue;
    }
    const ChartParam* known = nullptr;
    for (const ChartParam& c : kChartParams) {
      if (c.name == p.name) known = &c;
    }
    for (const ChartParam& c : kPictureParams) {
      if (withSize && c.name == p.name) known = &c;
    }
    if (known == nullptr) return refuse(p.name, "not a parameter here; these are: " + ParamNames(withSize));
    std::optional<std::string>& option = request.options.*(known->option);
    if (option) return refuse(p.name, "given more than once");
    option = p.value;
  }
  result.value = std::move(request);
  return result;
}

ParamError ParamErrorFromCommandLine(std::string_view line) {
  constexpr std::string_view kPrefix = "caelix chart: --";
  if (line.starts_with(kPrefix)) {
    const std::string_view rest = line.substr(kPrefix.size());
    const std::size_t colon = rest.find(": ");
    if (colon != std::string_view::npos && colon > 0) {
      return {std::string(rest.substr(0, colon)), std::string(rest.substr(colon + 2))};
    }
  }
  return {"", std::string(line)};
}

RequestResult<ChartInput> ResolveChartRequest(const ChartRequest& request, const UtcDateTime& now,
                                              std::optional<ResolvedBirthData>* birth) {
  RequestResult<ChartInput> result;
  std::string error;
  result.value = ResolveChartInput(request.options, now, error, birth);
  if (!result.value) result.error = ParamErrorFromCommandLine(error);
  return result;
}

RequestResult<RequestParams> ParamsFromJsonBody(std::string_view body) {
  RequestResult<RequestParams> result;
  rapidjson::Document doc;
  doc.Parse<rapidjson::kParseNumbersAsStringsFlag>(body.data(), body.size());
  if (doc.HasParseError()) {
    result.error = {"body", std::string("not JSON: ") + rapidjson::GetParseError_En(doc.GetParseError()) +
                                " (at byte " + std::to_string(doc.GetErrorOffset()) + ")"};
    return result;
  }
  if (!doc.IsObject()) {
    result.error = {"body", "a JSON object of parameters, such as {\"date\": \"2000-01-01\", \"time\": \"12:00\"}"};
    return result;
  }
  RequestParams params;
  for (const auto& member : doc.GetObject()) {
    std::string name(member.name.GetString(), member.name.GetStringLength());
    // With kParseNumbersAsStringsFlag a number arrives as the string of its digits, as written.
    if (!member.value.IsString()) {
      result.error = {std::move(name), "a string or a number"};
      return result;
    }
    params.push_back({std::move(name), std::string(member.value.GetString(), member.value.GetStringLength())});
  }
  result.value = std::move(params);
  return result;
}

}  // namespace caelix

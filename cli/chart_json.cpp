#include "cli/chart_json.h"

#include <string>

#include "ui/pages/aspects_page.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/positions_page.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {

namespace {

nlohmann::ordered_json ValueOrNull(double v, double marker) {
  return v == marker ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(v);
}

}  // namespace

nlohmann::ordered_json ChartToJson(const ChartInput& input, const ChartInstants& instants, const ChartResult& result,
                                   bool withPages) {
  nlohmann::ordered_json j;
  j["input"] = {{"day", input.day},
                {"month", input.month},
                {"year", input.year},
                {"hour", input.hour},
                {"minute", input.minute},
                {"longitude", input.longitude},
                {"latitude", input.latitude},
                {"houseCode", std::string(1, input.houseCode())},
                {"houseName", std::string(input.houseName())}};
  j["jdUT"] = instants.jdUT;
  j["jde"] = instants.jde;
  nlohmann::ordered_json bodies = nlohmann::ordered_json::array();
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    const auto id = static_cast<BodyId>(i);
    const BodySlot& s = result[id];
    const bool hasValue = s.longitude != kNoLongitude;
    nlohmann::ordered_json b;
    b["id"] = i;
    b["key"] = std::string(BodyKey(id));
    b["label"] = std::string(BodyLabel(id));
    b["longitude"] = ValueOrNull(s.longitude, kNoLongitude);
    b["declination"] = hasValue ? ValueOrNull(s.declination, kNoDeclination) : nlohmann::ordered_json(nullptr);
    if (IsSingleInstant(id)) {
      b["longitudeNext"] = nullptr;
      b["declinationNext"] = nullptr;
    } else {
      const bool hasNext = s.longitudeNext != kNoLongitude;
      b["longitudeNext"] = ValueOrNull(s.longitudeNext, kNoLongitude);
      b["declinationNext"] = hasNext ? ValueOrNull(s.declinationNext, kNoDeclination) : nlohmann::ordered_json(nullptr);
    }
    bodies.push_back(std::move(b));
  }
  j["bodies"] = std::move(bodies);
  if (!withPages) return j;
  j["pages"] = {{"positions", BuildPositionsText(input, result)},
                {"elements", BuildElementsText(result)},
                {"quadruplicity", BuildQuadruplicityText(result)},
                {"aspects", BuildAspectsText(result)}};
  return j;
}

}  // namespace caelix

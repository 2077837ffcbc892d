#include "cli/chart_json.h"

#include <string>

#include "ui/pages/aspects_page.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/positions_page.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {

namespace {

void SetOrNull(nlohmann::ordered_json& node, bool hasValue, double v) {
  if (hasValue) {
    node = v;
  } else {
    node = nullptr;
  }
}

}  // namespace

ChartJsonWriter::ChartJsonWriter() {
  doc_["input"] = {{"day", 0.0},      {"month", 0.0},     {"year", 0.0},
                   {"hour", 0.0},     {"minute", 0.0},    {"longitude", 0.0},
                   {"latitude", 0.0}, {"houseCode", "P"}, {"houseName", "Placidus"}};
  doc_["jdUT"] = 0.0;
  doc_["jde"] = 0.0;
  nlohmann::ordered_json& bodies = doc_["bodies"] = nlohmann::ordered_json::array();
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    const auto id = static_cast<BodyId>(i);
    bodies.push_back({{"id", i},
                      {"key", std::string(BodyKey(id))},
                      {"label", std::string(BodyLabel(id))},
                      {"longitude", nullptr},
                      {"declination", nullptr},
                      {"longitudeNext", nullptr},
                      {"declinationNext", nullptr}});
  }
  // The array is complete: pointers into it stay valid from here on.
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    nlohmann::ordered_json& b = bodies[i - 1];
    slots_[i] = SlotNodes{&b["longitude"], &b["declination"], &b["longitudeNext"], &b["declinationNext"]};
  }
}

const nlohmann::ordered_json& ChartJsonWriter::Fill(const ChartInput& input, const ChartInstants& instants,
                                                    const ChartResult& result, bool withPages) {
  nlohmann::ordered_json& in = doc_["input"];
  in["day"] = input.day;
  in["month"] = input.month;
  in["year"] = input.year;
  in["hour"] = input.hour;
  in["minute"] = input.minute;
  in["longitude"] = input.longitude;
  in["latitude"] = input.latitude;
  in["houseCode"] = std::string(1, input.houseCode());
  in["houseName"] = std::string(input.houseName());
  doc_["jdUT"] = instants.jdUT;
  doc_["jde"] = instants.jde;
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    const auto id = static_cast<BodyId>(i);
    const BodySlot& s = result[id];
    const SlotNodes& n = slots_[i];
    const bool hasValue = s.longitude != kNoLongitude;
    SetOrNull(*n.longitude, hasValue, s.longitude);
    SetOrNull(*n.declination, hasValue && s.declination != kNoDeclination, s.declination);
    const bool hasNext = !IsSingleInstant(id) && s.longitudeNext != kNoLongitude;
    SetOrNull(*n.longitudeNext, hasNext, s.longitudeNext);
    SetOrNull(*n.declinationNext, hasNext && s.declinationNext != kNoDeclination, s.declinationNext);
  }
  if (withPages) {
    doc_["pages"] = {{"positions", BuildPositionsText(input, result)},
                     {"elements", BuildElementsText(result)},
                     {"quadruplicity", BuildQuadruplicityText(result)},
                     {"aspects", BuildAspectsText(result)}};
  } else if (doc_.contains("pages")) {
    doc_.erase("pages");
  }
  return doc_;
}

nlohmann::ordered_json ChartToJson(const ChartInput& input, const ChartInstants& instants, const ChartResult& result,
                                   bool withPages) {
  ChartJsonWriter writer;
  return writer.Fill(input, instants, result, withPages);
}

}  // namespace caelix

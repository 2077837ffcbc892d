#pragma once
#include <array>
#include <nlohmann/json.hpp>

#include "chart/chart_input.h"
#include "chart/chart_result.h"
#include "chart/compute_chart.h"

namespace caelix {

// Returns the machine-readable form of one chart: the input, jdUT, jde and slots 1 to 33 in
// BodyId order; a slot field without a value (longitude -1.0, declination -91.0, the next-day
// fields of the single-instant slots) is null. With withPages, then "pages": the texts of the
// positions, elements, quadruplicity and aspects pages exactly as the result dialog shows them
// (UTF-8, "\r\n" line ends).
nlohmann::ordered_json ChartToJson(const ChartInput& input, const ChartInstants& instants, const ChartResult& result,
                                   bool withPages = false);

// Builds the same object as ChartToJson chart after chart, reusing one document whose keys and
// labels are made once: only the numbers (and the pages) change from one chart to the next.
class ChartJsonWriter {
 public:
  ChartJsonWriter();

  // Returns the document of this chart; valid until the next call.
  const nlohmann::ordered_json& Fill(const ChartInput& input, const ChartInstants& instants, const ChartResult& result,
                                     bool withPages);

 private:
  struct SlotNodes {
    nlohmann::ordered_json* longitude;
    nlohmann::ordered_json* declination;
    nlohmann::ordered_json* longitudeNext;
    nlohmann::ordered_json* declinationNext;
  };

  nlohmann::ordered_json doc_;
  std::array<SlotNodes, kBodyCount> slots_{};
};

}  // namespace caelix

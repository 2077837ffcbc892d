#pragma once
// The machine-readable form of one chart, as `caelix chart --json` and `caelix batch` write it.
#include <optional>
#include <string>

#include "chart/chart.h"

namespace caelix {

// Returns one chart as one line of JSON (no line end): {"input": {...}, "engine" ("classic" or
// "precise", the engine that computed it), "jdUT", "jde", "bodies":
// slots 1 to 33 in BodyId order, each {"id", "key", "label", "longitude", "declination",
// "longitudeNext", "declinationNext"}}. A slot field without a value (longitude -1.0,
// declination -91.0, the next-day fields of the single-instant slots) is null; numbers keep full
// double precision (shortest text that reads back to the same double). With withPages, then
// "pages": the positions, elements, quadruplicity and aspects texts exactly as the result dialog
// shows them (UTF-8, "\r\n" line ends). With an id, the object starts with "id": the text as
// given (a batch row's id column). Written with RapidJSON's streaming writer.
std::string ChartToJson(const Chart& chart, bool withPages = false,
                        const std::optional<std::string>& id = std::nullopt);

}  // namespace caelix

#pragma once
// The machine-readable form of one chart, as `caelix chart --json` and `caelix batch` write it.
#include <rapidjson/stringbuffer.h>

#include <optional>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "places/birth_data.h"
#include "ui/pages/chart_aspects.h"

namespace caelix {

// The version of the JSON's layout, written as "schemaVersion" (docs/json.md, docs/chart.schema.json).
inline constexpr int kJsonSchemaVersion = 1;

// Returns one chart as one line of JSON (no line end), the layout docs/json.md describes: "id"
// when given (a batch row's id column, the text as given), "schemaVersion", "caelixVersion",
// "input", "engine" (the engine that computed it: "classic" or "precise"), "jdUT", "jde", "bodies" (slots 1 to 33 in
// BodyId order with their sign, house, motion and the record's values), "houses" (the twelve cusps), "aspects",
// "counts" and, with withPages, "pages" (the four texts exactly as the result dialog shows them, UTF-8 with "\r\n" line
// ends). A value the chart does not have is null; numbers are the shortest text that reads back to the same double.
// Written with RapidJSON's writer.
//
// With birth (a local time converted, --tz or --place), after "input": "localTime" {"date",
// "time" as given, "zone", "tzdataVersion", "abbreviation", "offsetSeconds", "offset" ("+02:00"),
// "daylightSaving", "localMeanTime", "chosen"}, "ut" {"date", "time"}, and when the atlas was
// used "place" {"name", "region", "regionCode", "country", "countryCode", "latitude", "longitude",
// "population", "zone"}.
std::string ChartToJson(const Chart& chart, bool withPages = false, const std::optional<std::string>& id = std::nullopt,
                        const ResolvedBirthData* birth = nullptr);

// What writing many charts' lines reuses from one line to the next, so that none allocates once
// the first few have set the sizes: the text (the lines end to end) and the list of aspects.
struct ChartJsonBuffers {
  rapidjson::StringBuffer text;
  std::vector<ChartAspect> aspects;
};

// Appends ChartToJson's text of one chart (no line end) to buffers.text.
void AppendChartJson(ChartJsonBuffers& buffers, const Chart& chart, bool withPages = false,
                     const std::optional<std::string>& id = std::nullopt, const ResolvedBirthData* birth = nullptr);

}  // namespace caelix

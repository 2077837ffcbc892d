#include "cli/chart_json.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <string_view>

#include "chart/precise_chart.h"
#include "ui/pages/page_list.h"

namespace caelix {

namespace {

using JsonWriter = rapidjson::Writer<rapidjson::StringBuffer>;

void Key(JsonWriter& w, std::string_view key) { w.Key(key.data(), static_cast<rapidjson::SizeType>(key.size())); }

void Text(JsonWriter& w, std::string_view text) {
  w.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

void Number(JsonWriter& w, std::string_view key, double v) {
  Key(w, key);
  w.Double(v);
}

void NumberOrNull(JsonWriter& w, std::string_view key, bool hasValue, double v) {
  Key(w, key);
  if (hasValue) {
    w.Double(v);
  } else {
    w.Null();
  }
}

void WriteInput(JsonWriter& w, const ChartInput& input) {
  Key(w, "input");
  w.StartObject();
  Number(w, "day", input.day);
  Number(w, "month", input.month);
  Number(w, "year", input.year);
  Number(w, "hour", input.hour);
  Number(w, "minute", input.minute);
  Number(w, "longitude", input.longitude);
  Number(w, "latitude", input.latitude);
  const char code = input.houseCode();
  Key(w, "houseCode");
  Text(w, std::string_view(&code, 1));
  Key(w, "houseName");
  Text(w, input.houseName());
  w.EndObject();
}

void WriteBodies(JsonWriter& w, const ChartResult& result) {
  Key(w, "bodies");
  w.StartArray();
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    const auto id = static_cast<BodyId>(i);
    const BodySlot& s = result[id];
    const bool hasValue = s.longitude != kNoLongitude;
    const bool hasNext = !IsSingleInstant(id) && s.longitudeNext != kNoLongitude;
    w.StartObject();
    Key(w, "id");
    w.Uint(static_cast<unsigned>(i));
    Key(w, "key");
    Text(w, BodyKey(id));
    Key(w, "label");
    Text(w, BodyLabel(id));
    NumberOrNull(w, "longitude", hasValue, s.longitude);
    NumberOrNull(w, "declination", hasValue && s.declination != kNoDeclination, s.declination);
    NumberOrNull(w, "longitudeNext", hasNext, s.longitudeNext);
    NumberOrNull(w, "declinationNext", hasNext && s.declinationNext != kNoDeclination, s.declinationNext);
    w.EndObject();
  }
  w.EndArray();
}

void WritePages(JsonWriter& w, const Chart& chart) {
  Key(w, "pages");
  w.StartObject();
  for (const PageInfo& p : kPages) {
    Key(w, p.key);
    Text(w, BuildPage(p.page, chart.input, chart.slots));
  }
  w.EndObject();
}

}  // namespace

std::string ChartToJson(const Chart& chart, bool withPages, const std::optional<std::string>& id) {
  rapidjson::StringBuffer buffer(nullptr, withPages ? 16384 : 8192);  // one line without regrowing
  JsonWriter w(buffer);
  w.StartObject();
  if (id) {
    Key(w, "id");
    Text(w, *id);
  }
  WriteInput(w, chart.input);
  Key(w, "engine");
  Text(w, EngineName(chart.engine));
  Number(w, "jdUT", chart.jdUT);
  Number(w, "jde", chart.jde);
  WriteBodies(w, chart.slots);
  if (withPages) WritePages(w, chart);
  w.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize());
}

}  // namespace caelix

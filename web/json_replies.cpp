#include "web/json_replies.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

namespace caelix {

namespace {

using JsonWriter = rapidjson::Writer<rapidjson::StringBuffer>;

void Pair(JsonWriter& w, std::string_view key, std::string_view text) {
  w.Key(key.data(), static_cast<rapidjson::SizeType>(key.size()));
  w.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

}  // namespace

std::string ParamErrorJson(const ParamError& error) {
  rapidjson::StringBuffer buffer;
  JsonWriter w(buffer);
  w.StartObject();
  w.Key("status");
  w.Int(400);
  Pair(w, "parameter", error.parameter);
  Pair(w, "message", error.message);
  w.EndObject();
  return buffer.GetString();
}

std::string StatusJson(int status, std::string_view message) {
  rapidjson::StringBuffer buffer;
  JsonWriter w(buffer);
  w.StartObject();
  w.Key("status");
  w.Int(status);
  Pair(w, "message", message);
  w.EndObject();
  return buffer.GetString();
}

std::string HealthJson() {
  rapidjson::StringBuffer buffer;
  JsonWriter w(buffer);
  w.StartObject();
  Pair(w, "status", "ok");
  Pair(w, "version", CAELIX_VERSION);
  w.EndObject();
  return buffer.GetString();
}

}  // namespace caelix

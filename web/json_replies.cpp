#include "web/json_replies.h"

#include <rapidjson/encodings.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>

#include "cli/version.h"

namespace caelix {

namespace {

using JsonWriter = rapidjson::Writer<rapidjson::StringBuffer>;

// Returns text with each byte that does not begin a valid UTF-8 character replaced by U+FFFD: a
// request's bytes come back in the messages, and JSON must be UTF-8.
std::string ValidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    // One character at most four bytes long, copied so that the validator stops at its end.
    char bytes[5] = {};
    const std::size_t available = std::min<std::size_t>(4, text.size() - i);
    text.copy(bytes, available, i);
    rapidjson::StringStream in(bytes);
    rapidjson::StringBuffer ignored;
    if (rapidjson::UTF8<>::Validate(in, ignored) && in.Tell() <= available) {
      out.append(text.substr(i, in.Tell()));
      i += in.Tell();
    } else {
      out.append("\xEF\xBF\xBD");
      ++i;
    }
  }
  return out;
}

void Pair(JsonWriter& w, std::string_view key, std::string_view text) {
  w.Key(key.data(), static_cast<rapidjson::SizeType>(key.size()));
  const std::string valid = ValidUtf8(text);
  w.String(valid.data(), static_cast<rapidjson::SizeType>(valid.size()));
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
  Pair(w, "version", CaelixVersion());
  w.EndObject();
  return buffer.GetString();
}

}  // namespace caelix

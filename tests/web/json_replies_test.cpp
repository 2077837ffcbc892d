#include "web/json_replies.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace caelix {
namespace {

// The request's bytes come back in the error; the body stays JSON and UTF-8 whatever they are.
TEST(JsonReplies, ParameterErrorsAreValidUtf8JsonWhateverTheRequestSent) {
  const struct {
    std::string parameter;
    std::string message;
    std::string wantParameter;
    std::string wantMessage;
  } cases[] = {
      {"lat", "'91' is out of range", "lat", "'91' is out of range"},
      {"z\xc3\xbcrich", "\xe2\x82\xac \xf0\x9f\x8c\x8d", "z\xc3\xbcrich", "\xe2\x82\xac \xf0\x9f\x8c\x8d"},
      {"\xff", "a\xc3", "\xef\xbf\xbd", "a\xef\xbf\xbd"},
      {"\xe2\x82", "\xc0\xaf\"\\", "\xef\xbf\xbd\xef\xbf\xbd", "\xef\xbf\xbd\xef\xbf\xbd\"\\"},
      {std::string("a\0b", 3), "\n\t", std::string("a\0b", 3), "\n\t"},
  };
  for (const auto& c : cases) {
    const auto j = nlohmann::json::parse(ParamErrorJson({c.parameter, c.message}));
    EXPECT_EQ(400, j["status"]);
    EXPECT_EQ(c.wantParameter, j["parameter"]);
    EXPECT_EQ(c.wantMessage, j["message"]);
  }
}

TEST(JsonReplies, StatusAndHealth) {
  const auto e = nlohmann::json::parse(StatusJson(404, "no such path: /x\xff"));
  EXPECT_EQ(404, e["status"]);
  EXPECT_EQ("no such path: /x\xef\xbf\xbd", e["message"]);
  const auto h = nlohmann::json::parse(HealthJson());
  EXPECT_EQ("ok", h["status"]);
  EXPECT_FALSE(h["version"].get<std::string>().empty());
}

}  // namespace
}  // namespace caelix

#pragma once
// Splits a page text at its "\r\n" line ends and compares it line by line with what is wanted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace caelix::testing {

// The lines of a text whose lines end with "\r\n"; a text not ending so gives a last line
// "<no line end>" so that the comparison fails.
inline std::vector<std::string> PageLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no line end>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Compares every line; a failure names the line number and shows want and got.
inline void ExpectPageLines(const std::vector<std::string>& want, const std::string& text) {
  const std::vector<std::string> got = PageLines(text);
  for (std::size_t i = 0; i < want.size() || i < got.size(); ++i) {
    const std::string w = i < want.size() ? want[i] : "<none>";
    const std::string g = i < got.size() ? got[i] : "<none>";
    EXPECT_EQ(w, g) << "line " << i + 1;
  }
}

}  // namespace caelix::testing

#include "cli/echoed_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/bounded_line.h"

namespace caelix {
namespace {

TEST(EscapedEcho, EscapesControlsAndBrokenUtf8AndCutsLongTexts) {
  struct Case {
    std::string text;
    std::size_t max;
    std::string want;
  } const cases[] = {
      {"2006-02-28", 40, "2006-02-28"},
      {"\x1b[31mred", 40, "\\x1b[31mred"},
      {"a\tb\r\n\x7f", 40, "a\\x09b\\x0d\\x0a\\x7f"},
      {"\xc2\x9b"
       "2J",
       40, "\\xc2\\x9b2J"},  // CSI as a C1 control
      {"\x9b"
       "2J",
       40, "\\x9b2J"},                                 // CSI as a lone byte
      {"\xc3\xa9t\xc3\xa9", 40, "\xc3\xa9t\xc3\xa9"},  // été stays
      {"\xe2\x82\xac\xf0\x9f\x8c\x99", 40, "\xe2\x82\xac\xf0\x9f\x8c\x99"},
      {"\xc0\xaf", 40, "\\xc0\\xaf"},           // overlong '/'
      {"\xed\xa0\x80", 40, "\\xed\\xa0\\x80"},  // a surrogate
      {"\xe2\x82", 40, "\\xe2\\x82"},           // cut short
      {"back\\slash", 40, "back\\\\slash"},
      {std::string(100, 'x'), 40, std::string(40, 'x') + "...(60 more bytes)"},
      {"\xc3\xa9\xc3\xa9\xc3\xa9", 2, "\xc3\xa9\xc3\xa9...(2 more bytes)"},
      {std::string(5, '\x1b'), 2, "\\x1b\\x1b...(3 more bytes)"},
      {"", 40, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.want, EscapedEcho(c.text, c.max)) << c.want;
  EXPECT_EQ("'x\\x00y'", QuotedEcho(std::string("x\0y", 3)));
}

TEST(IsPrintableUtf8, RefusesControlsAndBrokenSequences) {
  struct Case {
    std::string text;
    bool want;
  } const cases[] = {
      {"", true},
      {"Anna M\xc3\xbcller", true},
      {"\xe6\x9d\xb1\xe4\xba\xac", true},
      {"a\tb", false},
      {"\xc2\x85", false},
      {"\xff", false},
      {"\xf4\x90\x80\x80", false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.want, IsPrintableUtf8(c.text)) << EscapedEcho(c.text);
}

TEST(ReadBoundedLine, GivesLinesRefusesLongOnesAndGoesOn) {
  struct Case {
    std::string input;
    std::size_t max;
    std::vector<LineRead> reads;
    std::vector<std::string> lines;
  } const cases[] = {
      {"", 4, {LineRead::End}, {""}},
      {"ab\ncd", 4, {LineRead::Line, LineRead::Line, LineRead::End}, {"ab", "cd", ""}},
      {"ab\n\n", 4, {LineRead::Line, LineRead::Line, LineRead::End}, {"ab", "", ""}},
      {"abcd\nabcde\nx", 4, {LineRead::Line, LineRead::TooLong, LineRead::Line}, {"abcd", "abcd", "x"}},
      {"abcdefgh", 4, {LineRead::TooLong, LineRead::End}, {"abcd", ""}},
      {"a\r\n", 4, {LineRead::Line, LineRead::End}, {"a\r", ""}},
  };
  for (const Case& c : cases) {
    std::stringbuf in(c.input);
    std::string line;
    for (std::size_t i = 0; i < c.reads.size(); ++i) {
      EXPECT_EQ(c.reads[i], ReadBoundedLine(in, line, c.max)) << EscapedEcho(c.input) << " read " << i;
      EXPECT_EQ(c.lines[i], line) << EscapedEcho(c.input) << " read " << i;
    }
  }
}

}  // namespace
}  // namespace caelix

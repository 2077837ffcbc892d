#include "cli/bounded_line.h"

namespace caelix {

LineRead ReadBoundedLine(std::streambuf& input, std::string& line, std::size_t maxBytes) {
  using Traits = std::streambuf::traits_type;
  line.clear();
  bool tooLong = false;
  for (Traits::int_type c = input.sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = input.sbumpc()) {
    if (c == '\n') return tooLong ? LineRead::TooLong : LineRead::Line;
    if (line.size() < maxBytes) {
      line.push_back(Traits::to_char_type(c));
    } else {
      tooLong = true;
    }
  }
  if (tooLong) return LineRead::TooLong;
  return line.empty() ? LineRead::End : LineRead::Line;
}

}  // namespace caelix

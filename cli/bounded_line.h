#pragma once
// Lines of an input read with a bound on their length, so that one endless line cannot take
// the memory of the machine.
#include <cstddef>
#include <streambuf>
#include <string>

namespace caelix {

// The longest input line, in bytes, without its line end.
inline constexpr std::size_t kMaxLineBytes = std::size_t{64} * 1024;

enum class LineRead { Line, TooLong, End };

// Reads the next line of input into line, without its '\n'. Line: a line was read (the last one
// may lack its '\n'). TooLong: the line had more than maxBytes bytes; it was read to its end and
// dropped, line holds its first maxBytes bytes. End: no more input. What the stream buffer throws
// (a read error) passes through.
LineRead ReadBoundedLine(std::streambuf& input, std::string& line, std::size_t maxBytes = kMaxLineBytes);

}  // namespace caelix

#pragma once
// What an error message may repeat of a value it refuses: a short prefix, safe for a terminal.
#include <cstddef>
#include <string>
#include <string_view>

namespace caelix {

// The longest echo of a refused value, in characters, before it is cut.
inline constexpr std::size_t kEchoCharacters = 40;
// The longest echo of a file name the user gave, in characters.
inline constexpr std::size_t kPathEchoCharacters = 200;

// Returns text as an error message may show it: control characters (C0, DEL, C1) and bytes that
// are not UTF-8 written as \xNN, a backslash as \\, and after maxCharacters characters the rest
// replaced by "..." and the number of bytes left out. Whole UTF-8 characters are kept or cut.
std::string EscapedEcho(std::string_view text, std::size_t maxCharacters = kEchoCharacters);

// True when text is well-formed UTF-8 without control characters.
bool IsPrintableUtf8(std::string_view text);

// Returns 'text' with text escaped and cut as EscapedEcho does.
std::string QuotedEcho(std::string_view text);

}  // namespace caelix

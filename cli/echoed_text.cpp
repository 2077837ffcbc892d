#include "cli/echoed_text.h"

#include <cstdio>

namespace caelix {

namespace {

// Returns the length of the well-formed UTF-8 character at the start of s, or 0 when it is not
// one (a stray continuation byte, an overlong form, a surrogate, beyond U+10FFFF, cut short).
std::size_t Utf8Length(std::string_view s) {
  const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b = byte(0);
  std::size_t length = 0;
  unsigned lowest = 0;
  unsigned code = 0;
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2, lowest = 0x80, code = b & 0x1Fu;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3, lowest = 0x800, code = b & 0x0Fu;
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4, lowest = 0x10000, code = b & 0x07u;
  } else {
    return 0;
  }
  if (s.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80u) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

bool IsControl(std::string_view character) {
  const auto b = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return b < 0x20 || b == 0x7F;
  // U+0080 to U+009F, the C1 controls (CSI among them), are C2 80 to C2 9F.
  return character.size() == 2 && b == 0xC2 && static_cast<unsigned char>(character[1]) <= 0x9F;
}

void AppendHex(std::string& out, std::string_view bytes) {
  for (const char c : bytes) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
    out += hex;
  }
}

}  // namespace

std::string EscapedEcho(std::string_view text, std::size_t maxCharacters) {
  std::string out;
  std::size_t characters = 0;
  std::size_t i = 0;
  while (i < text.size() && characters < maxCharacters) {
    const std::size_t length = Utf8Length(text.substr(i));
    const std::string_view character = text.substr(i, length == 0 ? 1 : length);
    if (length == 0 || IsControl(character)) {
      AppendHex(out, character);
    } else if (character == "\\") {
      out += "\\\\";
    } else {
      out += character;
    }
    i += character.size();
    ++characters;
  }
  if (i < text.size()) out.append("...(").append(std::to_string(text.size() - i)).append(" more bytes)");
  return out;
}

bool IsPrintableUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8Length(text.substr(i));
    if (length == 0 || IsControl(text.substr(i, length))) return false;
    i += length;
  }
  return true;
}

std::string QuotedEcho(std::string_view text) {
  std::string quoted(1, '\'');
  quoted.append(EscapedEcho(text)).push_back('\'');
  return quoted;
}

}  // namespace caelix

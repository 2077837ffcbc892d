#include "places/text_folding.h"

#include <cstdint>
#include <optional>

namespace caelix {

namespace {

// The base letters of Latin letters with diacritics, as runs of consecutive code points that fold
// to the same text (upper- and lower-case alike): from the Unicode charts of Latin-1 Supplement,
// Latin Extended-A and B and Latin Extended Additional.
struct FoldRun {
  char32_t first;
  char32_t last;
  const char* base;
};

static constexpr FoldRun kFoldRuns[] = {
    {0xC0, 0xC5, "a"},     {0xC6, 0xC6, "ae"},    {0xC7, 0xC7, "c"},      {0xC8, 0xCB, "e"},     {0xCC, 0xCF, "i"},
    {0xD0, 0xD0, "d"},     {0xD1, 0xD1, "n"},     {0xD2, 0xD6, "o"},      {0xD8, 0xD8, "o"},     {0xD9, 0xDC, "u"},
    {0xDD, 0xDD, "y"},     {0xDE, 0xDE, "th"},    {0xDF, 0xDF, "ss"},     {0xE0, 0xE5, "a"},     {0xE6, 0xE6, "ae"},
    {0xE7, 0xE7, "c"},     {0xE8, 0xEB, "e"},     {0xEC, 0xEF, "i"},      {0xF0, 0xF0, "d"},     {0xF1, 0xF1, "n"},
    {0xF2, 0xF6, "o"},     {0xF8, 0xF8, "o"},     {0xF9, 0xFC, "u"},      {0xFD, 0xFD, "y"},     {0xFE, 0xFE, "th"},
    {0xFF, 0xFF, "y"},     {0x100, 0x105, "a"},   {0x106, 0x10D, "c"},    {0x10E, 0x111, "d"},   {0x112, 0x11B, "e"},
    {0x11C, 0x123, "g"},   {0x124, 0x127, "h"},   {0x128, 0x131, "i"},    {0x132, 0x133, "ij"},  {0x134, 0x135, "j"},
    {0x136, 0x138, "k"},   {0x139, 0x142, "l"},   {0x143, 0x14B, "n"},    {0x14C, 0x151, "o"},   {0x152, 0x153, "oe"},
    {0x154, 0x159, "r"},   {0x15A, 0x161, "s"},   {0x162, 0x167, "t"},    {0x168, 0x173, "u"},   {0x174, 0x175, "w"},
    {0x176, 0x178, "y"},   {0x179, 0x17E, "z"},   {0x17F, 0x17F, "s"},    {0x1A0, 0x1A1, "o"},   {0x1AF, 0x1B0, "u"},
    {0x1CD, 0x1CE, "a"},   {0x1CF, 0x1D0, "i"},   {0x1D1, 0x1D2, "o"},    {0x1D3, 0x1DC, "u"},   {0x218, 0x219, "s"},
    {0x21A, 0x21B, "t"},   {0x259, 0x259, "e"},   {0x1E00, 0x1E01, "a"},  {0x1E02, 0x1E07, "b"}, {0x1E08, 0x1E09, "c"},
    {0x1E0A, 0x1E13, "d"}, {0x1E14, 0x1E1D, "e"}, {0x1E1E, 0x1E1F, "f"},  {0x1E20, 0x1E21, "g"}, {0x1E22, 0x1E2B, "h"},
    {0x1E2C, 0x1E2F, "i"}, {0x1E30, 0x1E35, "k"}, {0x1E36, 0x1E3D, "l"},  {0x1E3E, 0x1E43, "m"}, {0x1E44, 0x1E4B, "n"},
    {0x1E4C, 0x1E53, "o"}, {0x1E54, 0x1E57, "p"}, {0x1E58, 0x1E5F, "r"},  {0x1E60, 0x1E69, "s"}, {0x1E6A, 0x1E71, "t"},
    {0x1E72, 0x1E7B, "u"}, {0x1E7C, 0x1E7F, "v"}, {0x1E80, 0x1E89, "w"},  {0x1E8A, 0x1E8D, "x"}, {0x1E8E, 0x1E8F, "y"},
    {0x1E90, 0x1E95, "z"}, {0x1E96, 0x1E96, "h"}, {0x1E97, 0x1E97, "t"},  {0x1E98, 0x1E98, "w"}, {0x1E99, 0x1E99, "y"},
    {0x1E9A, 0x1E9A, "a"}, {0x1E9B, 0x1E9B, "s"}, {0x1E9E, 0x1E9E, "ss"}, {0x1EA0, 0x1EB7, "a"}, {0x1EB8, 0x1EC7, "e"},
    {0x1EC8, 0x1ECB, "i"}, {0x1ECC, 0x1EE3, "o"}, {0x1EE4, 0x1EF1, "u"},  {0x1EF2, 0x1EF9, "y"},
};

// Decodes the UTF-8 character at text[i], advancing i; returns nothing (and skips one byte) for a
// malformed or overlong sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t cp = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (i + extra > text.size()) return std::nullopt;
  for (int k = 0; k < extra; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  i += extra;
  return cp;
}

const char* FoldedBase(char32_t cp) {
  for (const FoldRun& run : kFoldRuns) {
    if (cp >= run.first && cp <= run.last) return run.base;
  }
  return nullptr;
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
  std::string key;
  key.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::optional<char32_t> cp = NextCodePoint(utf8, i);
    if (!cp) continue;
    if (*cp >= 'A' && *cp <= 'Z') {
      key += static_cast<char>(*cp - 'A' + 'a');
    } else if ((*cp >= 'a' && *cp <= 'z') || (*cp >= '0' && *cp <= '9')) {
      key += static_cast<char>(*cp);
    } else if (*cp >= 0xC0) {
      if (const char* base = FoldedBase(*cp)) key += base;
    }
  }
  return key;
}

bool IsLatinScript(std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::optional<char32_t> cp = NextCodePoint(utf8, i);
    if (!cp) return false;
    const char32_t c = *cp;
    const bool latin = c < 0x80 || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) ||
                       (c >= 0x1E00 && c <= 0x1EFF) || (c >= 0x300 && c <= 0x36F) || c == 0x2BB || c == 0x2BC ||
                       (c >= 0x2018 && c <= 0x201F);
    if (!latin) return false;
  }
  return true;
}

}  // namespace caelix

#pragma once
// Folding of place names for search: the same key for "Zürich", "ZURICH" and "zurich".
#include <string>
#include <string_view>

namespace caelix {

// Returns the search key of a UTF-8 text: ASCII letters lowered, digits kept, the Latin letters of
// U+00C0 to U+024F reduced to their base letters (ß to "ss", æ to "ae", ø to "o", ł to "l"), and
// everything else (blanks, punctuation, marks, other scripts, malformed bytes) left out.
// "Saint-Étienne" gives "saintetienne".
std::string FoldForSearch(std::string_view utf8);

// Returns whether every character of a UTF-8 text is ASCII, a Latin letter (U+00C0 to U+024F,
// U+1E00 to U+1EFF), a combining mark, a modifier apostrophe or typographic quote: the names the
// atlas makes searchable. Malformed UTF-8 is not Latin.
bool IsLatinScript(std::string_view utf8);

}  // namespace caelix

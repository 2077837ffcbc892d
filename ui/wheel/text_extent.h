#pragma once
// How much room a line of text takes, estimated without a font: the layout reserves it, the
// picture's text then renders inside it.
#include <string_view>

namespace caelix {

// Returns the advance of UTF-8 text in ems of a DejaVu-like sans-serif face: digits 0.64, the
// degree sign 0.5, the prime 0.3, a space 0.32, capitals 0.72, other characters 0.62; generous
// rather than tight, so the box it gives holds the text in any common sans-serif face.
double TextWidthEm(std::string_view utf8);

// The height of a line of digits, in ems (cap height with a little room).
constexpr double kDigitHeightEm = 0.76;

// The drop from a line's centre to its baseline, in ems, for digits and capitals.
constexpr double kBaselineDropEm = 0.365;

}  // namespace caelix

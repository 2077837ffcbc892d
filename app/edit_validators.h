#pragma once
// What the main dialog's edits accept while the user types, and how their texts are read and
// written.
// Each Accepts* function returns true for the empty text; a false result makes the dialog undo
// the change.
#include <string>
#include <string_view>

namespace caelix {

// Returns the integer at the start of text: optional blanks, an optional sign and the digits up
// to the first other character; 0 when there is none. Values beyond the int range are clamped.
int TextToInteger(std::string_view text);

// Returns the decimal number at the start of text (sign, digits, fraction, exponent) as the
// standard library reads it; 0 when there is none or when it is not finite.
double TextToDecimal(std::string_view text);

// Returns v with two decimals, or with as many more (up to six) as it takes to read back exactly
// as v, so that a stored place or minute typed with three decimals is shown, and stored again,
// without loss: 14.417 gives "14.417", 14.5 gives "14.50".
std::string ExactDecimalText(double v);

// True for an optional leading '-' followed only by digits and at most one '.'; false for "",
// "." and "-.". A lone "-" is numeric.
bool IsNumericText(std::string_view text);

// Day: an integer 0 to 31 (0 is accepted while typing, e.g. the first digit of "05").
bool AcceptsDay(std::string_view text);
// Month: an integer 0 to 12.
bool AcceptsMonth(std::string_view text);
// Hour of UT: an integer 0 to 23.
bool AcceptsHour(std::string_view text);
// Year: a lone "-", or a plain integer without leading zeros or plus sign ("2006", "-44", "0");
// "02006", "+5", "20.5", "1e3", "inf" are refused.
bool AcceptsYear(std::string_view text);
// Minute: a numeric text with 0 <= value <= 59; a lone "-" is refused.
bool AcceptsMinute(std::string_view text);
// Longitude in degrees: a numeric text with -360 <= value <= 360 (a lone "-" reads as 0).
bool AcceptsLongitude(std::string_view text);
// Latitude in degrees: a numeric text with -66 < value < 66 (a lone "-" reads as 0).
bool AcceptsLatitude(std::string_view text);

}  // namespace caelix

#pragma once
// Zodiac position and daily motion as the pages and the wheel's status line show them.
#include <string>

namespace caelix {

// Returns the whole degrees within the sign, 0 to 29: trunc of the longitude x (degrees)
// reduced into [0, 360) and then by 30 until below 30. A non-finite x gives 0.
int DegreesInSign(double x);

// Returns the arc minutes of x (degrees), 0 to 60: the fraction of a degree times 60, rounded
// half up. Minutes do not carry into the degrees, so 29.995 gives 60. A non-finite x gives 0.
int RoundedMinutes(double x);

// Returns the two-letter sign of x (degrees) reduced into [0, 360): "Ar" for [0, 30), "Ta",
// "Ge", "Cn", "Le", "Vi", "Li", "Sc", "Sg", "Cp", "Aq", "Pi" for [330, 360); a value in no
// interval (NaN) gives two spaces.
std::string SignAbbreviation(double x);

// Returns degrees, sign and minutes of x (degrees), each number two digits: 5.12 gives "05Ar07",
// 123.99 gives "03Le59", 29.995 gives "29Ar60".
std::string FormatPosition(double x);

// Returns the daily motion from longitude x0 to x1 one day later (degrees): the difference taken
// the short way round (within +-180, so 359.5 to 0.4 is +0.9), as a mark ("S" stationary, " "
// direct, "R" retrograde), a space, whole degrees without padding, a dot and two-digit rounded
// minutes: +0.9856 gives "  0.59", -0.75 gives "R 0.45", no motion gives "S 0.00".
std::string FormatMotion(double x0, double x1);

}  // namespace caelix

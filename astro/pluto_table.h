#pragma once
// Pluto's tabulated heliocentric series, which serves the years the long series does not cover.
#include <optional>

#include "astro/planet_frame.h"
#include "astro/table_lookup.h"
#include "astro/tables/table_values.h"

namespace caelix {

// The Julian days (TT) the tabulated series answers for, both inclusive: 21 January 1800 to
// 7 February 2100.
constexpr double kPlutoTableFirstJd = SeriesLowerJd(tables::kPlutoGrid);
constexpr double kPlutoTableLastJd = SeriesUpperJd(tables::kPlutoGrid);

// Returns Pluto's heliocentric ecliptic longitude (degrees, [0, 360)), latitude (degrees) and
// distance (AU) at jd (TT), the true geometric position on the mean ecliptic and equinox of date,
// each interpolated by Everett's formula in the ten-day series of astro/tables (values from the
// Swiss Ephemeris, docs/data.md); nothing outside [kPlutoTableFirstJd, kPlutoTableLastJd].
std::optional<HeliocentricPosition> PlutoTablePosition(double jd);

}  // namespace caelix

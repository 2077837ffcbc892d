#pragma once
// The built-in series: the twelve tabulated bodies and Pluto's heliocentric series. Value k of a
// series belongs to the Julian day (TT) firstJd + k × stepDays of its grid and is an integer in
// units of 1e-7 (degree or AU): 3485725630 is 348.5725630 degrees. The twelve hold the body's
// apparent geocentric ecliptic longitude of date, [0, 3600000000). The definitions are generated
// by tools/make-tables from the Swiss Ephemeris (docs/data.md); the generator reads the grids here.
#include <cstddef>
#include <cstdint>

namespace caelix::tables {

// Where a series' values lie in time: value k at the Julian day firstJd + k × stepDays (TT),
// k = 0 to count - 1. firstJd is a whole day; the lookup truncates the Julian day to one.
struct SeriesGrid {
  double firstJd;
  double stepDays;
  std::size_t count;
};

// From the first day the ephemeris files serve to early in 2100. The twelve bodies' grids keep the
// days of the seed's series (2420800.0 + k × step), so that lookups in its range keep their values.
inline constexpr SeriesGrid kMonthlyGrid{2378500.0, 30.0, 3657};    // 4 Jan 1800 to 21 Apr 2100
inline constexpr SeriesGrid kFiveDailyGrid{2378500.0, 5.0, 21927};  // 4 Jan 1800 to 2 Mar 2100
inline constexpr SeriesGrid kDailyGrid{2378494.0, 1.0, 109637};     // 29 Dec 1799 to 2 Mar 2100
inline constexpr SeriesGrid kPlutoGrid{2378497.0, 10.0, 10965};     // 1 Jan 1800 to 9 Mar 2100

// Returns whether 2420800.0, the seed's first day, is a day of grid inside it.
constexpr bool KeepsTheSeedDays(const SeriesGrid& grid) {
  const double steps = (2420800.0 - grid.firstJd) / grid.stepDays;
  return steps >= 0.0 && steps < static_cast<double>(grid.count) &&
         steps == static_cast<double>(static_cast<long long>(steps));
}
static_assert(KeepsTheSeedDays(kMonthlyGrid) && KeepsTheSeedDays(kFiveDailyGrid) && KeepsTheSeedDays(kDailyGrid));

extern const std::uint32_t kLilithValues[kMonthlyGrid.count];    // mean lunar apogee
extern const std::uint32_t kLilithTrueValues[kDailyGrid.count];  // osculating lunar apogee
extern const std::uint32_t kSelenaValues[kMonthlyGrid.count];    // White Moon
extern const std::uint32_t kWaldemathValues[kFiveDailyGrid.count];
extern const std::uint32_t kChironValues[kMonthlyGrid.count];
extern const std::uint32_t kErosValues[kFiveDailyGrid.count];
extern const std::uint32_t kErisValues[kMonthlyGrid.count];
extern const std::uint32_t kSednaValues[kMonthlyGrid.count];
extern const std::uint32_t kOrcusValues[kMonthlyGrid.count];
extern const std::uint32_t kQuaoarValues[kMonthlyGrid.count];
extern const std::uint32_t kVarunaValues[kMonthlyGrid.count];
extern const std::uint32_t kIxionValues[kMonthlyGrid.count];

// Pluto's heliocentric ecliptic position of date (mean equinox), the true geometric one:
// longitude in 1e-7 degree [0, 3600000000), latitude in 1e-7 degree, distance in 1e-7 AU.
extern const std::uint32_t kPlutoLongitudeValues[kPlutoGrid.count];
extern const std::int32_t kPlutoLatitudeValues[kPlutoGrid.count];
extern const std::uint32_t kPlutoDistanceValues[kPlutoGrid.count];

}  // namespace caelix::tables

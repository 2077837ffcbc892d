#pragma once
// The built-in series: which Swiss Ephemeris body and coordinates each one samples, on which grid
// (astro/tables/table_values.h), and where its generated source goes. Shared by the generator and
// the accuracy check.
#include <swephexp.h>

#include <array>

#include "astro/tables/table_values.h"

namespace caelix::tools {

// One tabulated coordinate of the library's result xx[]: longitude (0), latitude (1) or distance (2).
struct SeriesColumn {
  const char* arrayName;  // the array in astro/tables/table_values.h
  int coordinate;         // index into the library's result
  bool isSigned;          // std::int32_t (latitude) rather than std::uint32_t
  const char* what;       // what the values are, for the generated file's comment
};

struct SeriesSource {
  const char* body;         // the chart's name of the body
  const char* fileName;     // the generated file in astro/tables/
  int sweBody;              // Swiss Ephemeris body number
  const char* sweBodyName;  // the same as the library's headers write it
  int sweFlags;             // flags of swe_calc
  const char* sweFlagsName;
  tables::SeriesGrid grid;
  int columnCount;
  std::array<SeriesColumn, 3> columns;
};

// A tabulated body: the chart's apparent geocentric ecliptic longitude of date.
constexpr SeriesSource TableBody(const char* body, const char* arrayName, const char* fileName, int sweBody,
                                 const char* sweBodyName, const tables::SeriesGrid& grid) {
  return {body,
          fileName,
          sweBody,
          sweBodyName,
          SEFLG_SWIEPH,
          "SEFLG_SWIEPH",
          grid,
          1,
          {{{arrayName, 0, false, "apparent geocentric ecliptic longitude of date, 1e-7 degree"}}}};
}

// Pluto seen from the Sun without light time, on the mean ecliptic and equinox of date: the
// chart's apparent-place step adds the nutation and the aberration, as to the long series.
constexpr SeriesSource kPlutoSource{
    "Pluto",
    "pluto_generated.cpp",
    SE_PLUTO,
    "SE_PLUTO",
    SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT,
    "SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT",
    tables::kPlutoGrid,
    3,
    {{{"kPlutoLongitudeValues", 0, false, "heliocentric ecliptic longitude, 1e-7 degree"},
      {"kPlutoLatitudeValues", 1, true, "heliocentric ecliptic latitude, 1e-7 degree"},
      {"kPlutoDistanceValues", 2, false, "distance from the Sun, 1e-7 AU"}}}};

// The twelve tabulated bodies first, in the order of the chart's table checks; then Pluto.
// clang-format off
constexpr std::array<SeriesSource, 13> kSeriesSources{{
    TableBody("Lilith (mean lunar apogee)", "kLilithValues", "lilith_generated.cpp",
              SE_MEAN_APOG, "SE_MEAN_APOG", tables::kMonthlyGrid),
    TableBody("Lilith true (osculating lunar apogee)", "kLilithTrueValues", "lilith_true_generated.cpp",
              SE_OSCU_APOG, "SE_OSCU_APOG", tables::kDailyGrid),
    TableBody("Selena (White Moon)", "kSelenaValues", "selena_generated.cpp",
              SE_WHITE_MOON, "SE_WHITE_MOON", tables::kMonthlyGrid),
    TableBody("Waldemath", "kWaldemathValues", "waldemath_generated.cpp",
              SE_WALDEMATH, "SE_WALDEMATH", tables::kFiveDailyGrid),
    TableBody("Chiron", "kChironValues", "chiron_generated.cpp",
              SE_CHIRON, "SE_CHIRON", tables::kMonthlyGrid),
    TableBody("Eros", "kErosValues", "eros_generated.cpp",
              SE_AST_OFFSET + 433, "SE_AST_OFFSET + 433", tables::kFiveDailyGrid),
    TableBody("Eris", "kErisValues", "eris_generated.cpp",
              SE_AST_OFFSET + 136199, "SE_AST_OFFSET + 136199", tables::kMonthlyGrid),
    TableBody("Sedna", "kSednaValues", "sedna_generated.cpp",
              SE_AST_OFFSET + 90377, "SE_AST_OFFSET + 90377", tables::kMonthlyGrid),
    TableBody("Orcus", "kOrcusValues", "orcus_generated.cpp",
              SE_AST_OFFSET + 90482, "SE_AST_OFFSET + 90482", tables::kMonthlyGrid),
    TableBody("Quaoar", "kQuaoarValues", "quaoar_generated.cpp",
              SE_AST_OFFSET + 50000, "SE_AST_OFFSET + 50000", tables::kMonthlyGrid),
    TableBody("Varuna", "kVarunaValues", "varuna_generated.cpp",
              SE_AST_OFFSET + 20000, "SE_AST_OFFSET + 20000", tables::kMonthlyGrid),
    TableBody("Ixion", "kIxionValues", "ixion_generated.cpp",
              SE_AST_OFFSET + 28978, "SE_AST_OFFSET + 28978", tables::kMonthlyGrid),
    kPlutoSource,
}};
// clang-format on

// How many of kSeriesSources are the chart's twelve tabulated bodies.
constexpr std::size_t kTableBodyCount = 12;

}  // namespace caelix::tools

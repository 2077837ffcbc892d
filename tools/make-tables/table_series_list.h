#pragma once
// The twelve tabulated series: which Swiss Ephemeris body each one samples, at which step and how
// many values, and where its generated source goes. Shared by the generator and the accuracy check.
#include <swephexp.h>

#include <array>

namespace caelix::tools {

struct SeriesSource {
  const char* body;         // the chart's name of the body
  const char* arrayName;    // the array in astro/tables/table_values.h
  const char* fileName;     // the generated file in astro/tables/
  int sweBody;              // Swiss Ephemeris body number
  const char* sweBodyName;  // the same as the library's headers write it
  int stepDays;             // days between two values
  int count;                // number of values
};

// Every series starts at this Julian day (TT), 29 October 1915, 12 h.
constexpr double kFirstJd = 2420800.0;

constexpr std::array<SeriesSource, 12> kSeriesSources{{
    {"Lilith (mean lunar apogee)", "kLilithValues", "lilith_generated.cpp", SE_MEAN_APOG, "SE_MEAN_APOG", 30, 1287},
    {"Lilith true (osculating lunar apogee)", "kLilithTrueValues", "lilith_true_generated.cpp", SE_OSCU_APOG,
     "SE_OSCU_APOG", 1, 37125},
    {"Selena (White Moon)", "kSelenaValues", "selena_generated.cpp", SE_WHITE_MOON, "SE_WHITE_MOON", 30, 1287},
    {"Waldemath", "kWaldemathValues", "waldemath_generated.cpp", SE_WALDEMATH, "SE_WALDEMATH", 5, 7425},
    {"Chiron", "kChironValues", "chiron_generated.cpp", SE_CHIRON, "SE_CHIRON", 30, 1227},
    {"Eros", "kErosValues", "eros_generated.cpp", SE_AST_OFFSET + 433, "SE_AST_OFFSET + 433", 5, 7357},
    {"Eris", "kErisValues", "eris_generated.cpp", SE_AST_OFFSET + 136199, "SE_AST_OFFSET + 136199", 30, 1287},
    {"Sedna", "kSednaValues", "sedna_generated.cpp", SE_AST_OFFSET + 90377, "SE_AST_OFFSET + 90377", 30, 1287},
    {"Orcus", "kOrcusValues", "orcus_generated.cpp", SE_AST_OFFSET + 90482, "SE_AST_OFFSET + 90482", 30, 1287},
    {"Quaoar", "kQuaoarValues", "quaoar_generated.cpp", SE_AST_OFFSET + 50000, "SE_AST_OFFSET + 50000", 30, 1287},
    {"Varuna", "kVarunaValues", "varuna_generated.cpp", SE_AST_OFFSET + 20000, "SE_AST_OFFSET + 20000", 30, 1287},
    {"Ixion", "kIxionValues", "ixion_generated.cpp", SE_AST_OFFSET + 28978, "SE_AST_OFFSET + 28978", 30, 1287},
}};

}  // namespace caelix::tools

#include "astro/ephemeris_table.h"

#include <array>

#include "astro/table_lookup.h"
#include "astro/tables/table_values.h"

namespace caelix {

namespace {

constexpr TableSeries Monthly(std::span<const std::uint32_t> values) {
  return TableSeries{values, tables::kMonthlyGrid};
}

constexpr TableSeries FiveDaily(std::span<const std::uint32_t> values) {
  return TableSeries{values, tables::kFiveDailyGrid};
}

struct CodedSeries {
  std::string_view code;
  TableSeries series;
};

// In the order the codes are compared.
constexpr std::array<CodedSeries, 9> kMultiBody{{
    {"Ll", Monthly(tables::kLilithValues)},
    {"Se", Monthly(tables::kSelenaValues)},
    {"Xe", Monthly(tables::kErisValues)},
    {"Ei", Monthly(tables::kErisValues)},
    {"Sd", Monthly(tables::kSednaValues)},
    {"Or", Monthly(tables::kOrcusValues)},
    {"Qu", Monthly(tables::kQuaoarValues)},
    {"Vr", Monthly(tables::kVarunaValues)},
    {"Ix", Monthly(tables::kIxionValues)},
}};

constexpr TableSeries kChiron = Monthly(tables::kChironValues);
constexpr TableSeries kEros = FiveDaily(tables::kErosValues);
constexpr TableSeries kWaldemath = FiveDaily(tables::kWaldemathValues);
constexpr TableSeries kLilithTrue{tables::kLilithTrueValues, tables::kDailyGrid};

}  // namespace

double ChironTable::TableLongitude(double jd) const { return SeriesLongitude(kChiron, jd); }

double ErosTable::TableLongitude(double jd) const { return SeriesLongitude(kEros, jd); }

double LilithTrueTable::TableLongitude(double jd) const { return SeriesLongitude(kLilithTrue, jd); }

double WaldemathTable::TableLongitude(double jd) const { return SeriesLongitude(kWaldemath, jd); }

double MultiBodyTable::TableLongitude(double jd, std::string_view code) const {
  for (const CodedSeries& c : kMultiBody) {
    if (c.code == code) return SeriesLongitude(c.series, jd);
  }
  return -1.0;
}

}  // namespace caelix

#include "astro/ephemeris_table.h"

#include <array>

#include "astro/table_lookup.h"
#include "astro/tables/table_values.h"

namespace caelix {

namespace {

constexpr double kMonthly = 30.0;
constexpr double kFiveDaily = 5.0;

constexpr TableSeries Monthly(std::span<const std::uint32_t> values, double upperJd) {
  return TableSeries{values, kMonthly, 1.0 / kMonthly, 2420860.0, upperJd};
}

constexpr TableSeries FiveDaily(std::span<const std::uint32_t> values, double upperJd) {
  return TableSeries{values, kFiveDaily, 0.2, 2420810.0, upperJd};
}

constexpr double kMultiBodyUpperJd = 2459290.0;

struct CodedSeries {
  std::string_view code;
  TableSeries series;
};

// In the order the codes are compared.
constexpr std::array<CodedSeries, 9> kMultiBody{{
    {"Ll", Monthly(tables::kLilithValues, kMultiBodyUpperJd)},
    {"Se", Monthly(tables::kSelenaValues, kMultiBodyUpperJd)},
    {"Xe", Monthly(tables::kErisValues, kMultiBodyUpperJd)},
    {"Ei", Monthly(tables::kErisValues, kMultiBodyUpperJd)},
    {"Sd", Monthly(tables::kSednaValues, kMultiBodyUpperJd)},
    {"Or", Monthly(tables::kOrcusValues, kMultiBodyUpperJd)},
    {"Qu", Monthly(tables::kQuaoarValues, kMultiBodyUpperJd)},
    {"Vr", Monthly(tables::kVarunaValues, kMultiBodyUpperJd)},
    {"Ix", Monthly(tables::kIxionValues, kMultiBodyUpperJd)},
}};

constexpr TableSeries kChiron = Monthly(tables::kChironValues, 2457490.0);
constexpr TableSeries kEros = FiveDaily(tables::kErosValues, 2457565.0);
constexpr TableSeries kWaldemath = FiveDaily(tables::kWaldemathValues, 2457890.0);
constexpr TableSeries kLilithTrue{tables::kLilithTrueValues, 1.0, 1.0, 2420810.0, 2457890.0};

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

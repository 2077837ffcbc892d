#include "astro/ephemeris_table.h"

#include "astro/tables/table_values.h"

namespace caelix {

namespace {

constexpr TableSeries Monthly(std::span<const std::uint32_t> values) {
  return TableSeries{values, tables::kMonthlyGrid};
}

constexpr TableSeries FiveDaily(std::span<const std::uint32_t> values) {
  return TableSeries{values, tables::kFiveDailyGrid};
}

}  // namespace

constexpr TableSeries kLilithSeries = Monthly(tables::kLilithValues);
constexpr TableSeries kLilithTrueSeries{tables::kLilithTrueValues, tables::kDailyGrid};
constexpr TableSeries kSelenaSeries = Monthly(tables::kSelenaValues);
constexpr TableSeries kWaldemathSeries = FiveDaily(tables::kWaldemathValues);
constexpr TableSeries kChironSeries = Monthly(tables::kChironValues);
constexpr TableSeries kErosSeries = FiveDaily(tables::kErosValues);
constexpr TableSeries kErisSeries = Monthly(tables::kErisValues);
constexpr TableSeries kSednaSeries = Monthly(tables::kSednaValues);
constexpr TableSeries kOrcusSeries = Monthly(tables::kOrcusValues);
constexpr TableSeries kQuaoarSeries = Monthly(tables::kQuaoarValues);
constexpr TableSeries kVarunaSeries = Monthly(tables::kVarunaValues);
constexpr TableSeries kIxionSeries = Monthly(tables::kIxionValues);

namespace {

// The codes of the multi-body table, in the order they are compared.
constexpr struct {
  std::string_view code;
  const TableSeries* series;
} kCodes[] = {{"Ll", &kLilithSeries}, {"Se", &kSelenaSeries}, {"Xe", &kErisSeries},
              {"Ei", &kErisSeries},   {"Sd", &kSednaSeries},  {"Or", &kOrcusSeries},
              {"Qu", &kQuaoarSeries}, {"Vr", &kVarunaSeries}, {"Ix", &kIxionSeries}};

}  // namespace

double ChironTable::TableLongitude(double jd) const { return SeriesLongitude(kChironSeries, jd); }

double ErosTable::TableLongitude(double jd) const { return SeriesLongitude(kErosSeries, jd); }

double LilithTrueTable::TableLongitude(double jd) const { return SeriesLongitude(kLilithTrueSeries, jd); }

double WaldemathTable::TableLongitude(double jd) const { return SeriesLongitude(kWaldemathSeries, jd); }

double MultiBodyTable::TableLongitude(double jd, std::string_view code) const {
  for (const auto& c : kCodes) {
    if (c.code == code) return SeriesLongitude(*c.series, jd);
  }
  return -1.0;
}

}  // namespace caelix

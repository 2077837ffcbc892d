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

}  // namespace

constexpr TableSeries kLilithSeries = Monthly(tables::kLilithValues, kMultiBodyUpperJd);
constexpr TableSeries kLilithTrueSeries{tables::kLilithTrueValues, 1.0, 1.0, 2420810.0, 2457890.0};
constexpr TableSeries kSelenaSeries = Monthly(tables::kSelenaValues, kMultiBodyUpperJd);
constexpr TableSeries kWaldemathSeries = FiveDaily(tables::kWaldemathValues, 2457890.0);
constexpr TableSeries kChironSeries = Monthly(tables::kChironValues, 2457490.0);
constexpr TableSeries kErosSeries = FiveDaily(tables::kErosValues, 2457565.0);
constexpr TableSeries kErisSeries = Monthly(tables::kErisValues, kMultiBodyUpperJd);
constexpr TableSeries kSednaSeries = Monthly(tables::kSednaValues, kMultiBodyUpperJd);
constexpr TableSeries kOrcusSeries = Monthly(tables::kOrcusValues, kMultiBodyUpperJd);
constexpr TableSeries kQuaoarSeries = Monthly(tables::kQuaoarValues, kMultiBodyUpperJd);
constexpr TableSeries kVarunaSeries = Monthly(tables::kVarunaValues, kMultiBodyUpperJd);
constexpr TableSeries kIxionSeries = Monthly(tables::kIxionValues, kMultiBodyUpperJd);

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

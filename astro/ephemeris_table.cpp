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

// Indexed by TabulatedBody.
constexpr std::array<TableSeries, 12> kSeries{{
    Monthly(tables::kLilithValues, kMultiBodyUpperJd),
    {tables::kLilithTrueValues, 1.0, 1.0, 2420810.0, 2457890.0},
    Monthly(tables::kSelenaValues, kMultiBodyUpperJd),
    FiveDaily(tables::kWaldemathValues, 2457890.0),
    Monthly(tables::kChironValues, 2457490.0),
    FiveDaily(tables::kErosValues, 2457565.0),
    Monthly(tables::kErisValues, kMultiBodyUpperJd),
    Monthly(tables::kSednaValues, kMultiBodyUpperJd),
    Monthly(tables::kOrcusValues, kMultiBodyUpperJd),
    Monthly(tables::kQuaoarValues, kMultiBodyUpperJd),
    Monthly(tables::kVarunaValues, kMultiBodyUpperJd),
    Monthly(tables::kIxionValues, kMultiBodyUpperJd),
}};

// The codes of the multi-body table, in the order they are compared.
constexpr struct {
  std::string_view code;
  TabulatedBody body;
} kCodes[] = {{"Ll", TabulatedBody::Lilith}, {"Se", TabulatedBody::Selena}, {"Xe", TabulatedBody::Eris},
              {"Ei", TabulatedBody::Eris},   {"Sd", TabulatedBody::Sedna},  {"Or", TabulatedBody::Orcus},
              {"Qu", TabulatedBody::Quaoar}, {"Vr", TabulatedBody::Varuna}, {"Ix", TabulatedBody::Ixion}};

}  // namespace

double TabulatedLongitude(TabulatedBody body, double jd) {
  return SeriesLongitude(kSeries[static_cast<std::size_t>(body)], jd);
}

double ChironTable::TableLongitude(double jd) const { return TabulatedLongitude(TabulatedBody::Chiron, jd); }

double ErosTable::TableLongitude(double jd) const { return TabulatedLongitude(TabulatedBody::Eros, jd); }

double LilithTrueTable::TableLongitude(double jd) const { return TabulatedLongitude(TabulatedBody::LilithTrue, jd); }

double WaldemathTable::TableLongitude(double jd) const { return TabulatedLongitude(TabulatedBody::Waldemath, jd); }

double MultiBodyTable::TableLongitude(double jd, std::string_view code) const {
  for (const auto& c : kCodes) {
    if (c.code == code) return TabulatedLongitude(c.body, jd);
  }
  return -1.0;
}

}  // namespace caelix

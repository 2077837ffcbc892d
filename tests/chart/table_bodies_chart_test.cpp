#include <gtest/gtest.h>

#include <string_view>

#include "astro/ephemeris_table.h"
#include "chart/compute_chart.h"

namespace caelix {
namespace {

constexpr BodyId kMonthlyBodies[] = {BodyId::Lilith, BodyId::Selena, BodyId::Eris,  BodyId::Sedna, BodyId::Orcus,
                                     BodyId::Quaoar, BodyId::Varuna, BodyId::Ixion, BodyId::Chiron};
constexpr BodyId kFiveDailyBodies[] = {BodyId::Waldemath, BodyId::Eros};

ChartResult Chart(double day, double hour, double minute, double month, double year) {
  ChartResult r;
  ComputeChart(day, hour, minute, month, year, 13.4, 52.5, 'P', r);
  return r;
}

bool HasValue(double longitude) { return longitude >= 0.0 && longitude < 360.0; }

TEST(ChartTableBodies, EveryChartFrom1800To2099HasAllTwelve) {
  struct Case {
    const char* date;
    double day, hour, minute, month, year;
  } const cases[] = {
      {"1850-06-15", 15, 10, 0, 6, 1850},
      {"1900-06-15", 15, 10, 0, 6, 1900},
      {"1915-12-27, before the seed's tables", 27, 23, 59, 12, 1915},
      {"2026-12-09", 9, 12, 0, 12, 2026},
      {"2099-12-31 23:59", 31, 23, 59, 12, 2099},
      {"1800-03-05 12h, the monthly tables' first day", 5, 12, 0, 3, 1800},
  };
  for (const Case& c : cases) {
    const ChartResult r = Chart(c.day, c.hour, c.minute, c.month, c.year);
    for (int id = static_cast<int>(BodyId::Lilith); id <= static_cast<int>(BodyId::Ixion); ++id) {
      const BodySlot& s = r[static_cast<BodyId>(id)];
      EXPECT_TRUE(HasValue(s.longitude)) << c.date << " " << BodyKey(static_cast<BodyId>(id));
      EXPECT_TRUE(HasValue(s.longitudeNext)) << c.date << " " << BodyKey(static_cast<BodyId>(id));
      EXPECT_EQ(-91.0, s.declination) << c.date;
      EXPECT_EQ(-91.0, s.declinationNext) << c.date;
    }
  }
}

TEST(ChartTableBodies, InJanuary1800OnlyTheDailyTableReaches) {
  // The ephemeris files start on 1 January 1800: the daily table answers from 31 December 1799,
  // the five-day ones from 14 January 1800, the monthly ones from 5 March 1800.
  const ChartResult r = Chart(1.0, 0.0, 0.0, 1.0, 1800.0);
  EXPECT_TRUE(HasValue(r[BodyId::LilithTrue].longitude));
  EXPECT_TRUE(HasValue(r[BodyId::LilithTrue].longitudeNext));
  for (BodyId id : kMonthlyBodies) EXPECT_EQ(-1.0, r[id].longitude) << BodyKey(id);
  for (BodyId id : kFiveDailyBodies) EXPECT_EQ(-1.0, r[id].longitudeNext) << BodyKey(id);
  const ChartResult later = Chart(20.0, 0.0, 0.0, 1.0, 1800.0);
  for (BodyId id : kFiveDailyBodies) EXPECT_TRUE(HasValue(later[id].longitude)) << BodyKey(id);
  for (BodyId id : kMonthlyBodies) EXPECT_EQ(-1.0, later[id].longitude) << BodyKey(id);
}

TEST(ChartTableBodies, TheNextDayCanLeaveTheTable) {
  // The monthly tables end at JD 2488090.0 (21 January 2100, 12 h): at 6 h UT the chart instant
  // is inside, one day later is not; the five-day tables go on to 15 February.
  const ChartResult r = Chart(21.0, 6.0, 0.0, 1.0, 2100.0);
  for (BodyId id : kMonthlyBodies) {
    EXPECT_TRUE(HasValue(r[id].longitude)) << BodyKey(id);
    EXPECT_EQ(-1.0, r[id].longitudeNext) << BodyKey(id);
  }
  for (BodyId id : kFiveDailyBodies) EXPECT_TRUE(HasValue(r[id].longitudeNext)) << BodyKey(id);
  EXPECT_TRUE(HasValue(r[BodyId::LilithTrue].longitudeNext));
}

TEST(ChartTableBodies, EachSlotHoldsItsOwnBodyAtBothInstants) {
  const ChartInstants t = ComputeInstants(1.0, 12.0, 0.0, 1.0, 2000.0);
  const ChartResult r = Chart(1.0, 12.0, 0.0, 1.0, 2000.0);
  const MultiBodyTable multi;
  struct Case {
    BodyId id;
    double now, next;
  } const cases[] = {
      {BodyId::Lilith, multi.TableLongitude(t.jde, "Ll"), multi.TableLongitude(t.jde + 1.0, "Ll")},
      {BodyId::LilithTrue, LilithTrueTable().TableLongitude(t.jde), LilithTrueTable().TableLongitude(t.jde + 1.0)},
      {BodyId::Selena, multi.TableLongitude(t.jde, "Se"), multi.TableLongitude(t.jde + 1.0, "Se")},
      {BodyId::Waldemath, WaldemathTable().TableLongitude(t.jde), WaldemathTable().TableLongitude(t.jde + 1.0)},
      {BodyId::Chiron, ChironTable().TableLongitude(t.jde), ChironTable().TableLongitude(t.jde + 1.0)},
      {BodyId::Eros, ErosTable().TableLongitude(t.jde), ErosTable().TableLongitude(t.jde + 1.0)},
      {BodyId::Eris, multi.TableLongitude(t.jde, "Xe"), multi.TableLongitude(t.jde + 1.0, "Xe")},
      {BodyId::Sedna, multi.TableLongitude(t.jde, "Sd"), multi.TableLongitude(t.jde + 1.0, "Sd")},
      {BodyId::Orcus, multi.TableLongitude(t.jde, "Or"), multi.TableLongitude(t.jde + 1.0, "Or")},
      {BodyId::Quaoar, multi.TableLongitude(t.jde, "Qu"), multi.TableLongitude(t.jde + 1.0, "Qu")},
      {BodyId::Varuna, multi.TableLongitude(t.jde, "Vr"), multi.TableLongitude(t.jde + 1.0, "Vr")},
      {BodyId::Ixion, multi.TableLongitude(t.jde, "Ix"), multi.TableLongitude(t.jde + 1.0, "Ix")},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(HasValue(c.now)) << BodyKey(c.id);
    EXPECT_EQ(c.now, r[c.id].longitude) << BodyKey(c.id);
    EXPECT_EQ(c.next, r[c.id].longitudeNext) << BodyKey(c.id);
    EXPECT_EQ(-91.0, r[c.id].declination) << BodyKey(c.id);
  }
}

}  // namespace
}  // namespace caelix

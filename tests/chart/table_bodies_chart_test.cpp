#include <gtest/gtest.h>

#include <string_view>

#include "astro/ephemeris_table.h"
#include "chart/compute_chart.h"

namespace caelix {
namespace {

constexpr BodyId kMonthlyBodies[] = {BodyId::Lilith, BodyId::Selena, BodyId::Eris,   BodyId::Sedna,
                                     BodyId::Orcus,  BodyId::Quaoar, BodyId::Varuna, BodyId::Ixion};
constexpr BodyId kShorterBodies[] = {BodyId::LilithTrue, BodyId::Waldemath, BodyId::Chiron, BodyId::Eros};

ChartResult Chart(double day, double hour, double minute, double month, double year) {
  ChartResult r;
  ComputeChart(day, hour, minute, month, year, 13.4, 52.5, 'P', r);
  return r;
}

bool HasValue(double longitude) { return longitude >= 0.0 && longitude < 360.0; }

TEST(ChartTableBodies, A1900ChartHasNone) {
  const ChartResult r = Chart(15.0, 10.0, 0.0, 6.0, 1900.0);
  for (int id = static_cast<int>(BodyId::Lilith); id <= static_cast<int>(BodyId::Ixion); ++id) {
    const BodySlot& s = r[static_cast<BodyId>(id)];
    EXPECT_EQ(-1.0, s.longitude) << BodyKey(static_cast<BodyId>(id));
    EXPECT_EQ(-1.0, s.longitudeNext) << BodyKey(static_cast<BodyId>(id));
    EXPECT_EQ(-91.0, s.declination);
    EXPECT_EQ(-91.0, s.declinationNext);
  }
}

TEST(ChartTableBodies, In2019OnlyTheMonthlyTablesStillReach) {
  const ChartResult r = Chart(1.0, 12.0, 0.0, 1.0, 2019.0);
  for (BodyId id : kMonthlyBodies) {
    EXPECT_TRUE(HasValue(r[id].longitude)) << BodyKey(id);
    EXPECT_TRUE(HasValue(r[id].longitudeNext)) << BodyKey(id);
    EXPECT_EQ(-91.0, r[id].declination) << BodyKey(id);
    EXPECT_EQ(-91.0, r[id].declinationNext) << BodyKey(id);
  }
  for (BodyId id : kShorterBodies) {
    EXPECT_EQ(-1.0, r[id].longitude) << BodyKey(id);
    EXPECT_EQ(-1.0, r[id].longitudeNext) << BodyKey(id);
  }
}

TEST(ChartTableBodies, TheNextDayCanLeaveTheTable) {
  // Chiron's table ends at JD 2457490.0 (11 April 2016, 12 h): at 6 h UT the chart instant is
  // inside, one day later is not.
  const ChartResult r = Chart(11.0, 6.0, 0.0, 4.0, 2016.0);
  EXPECT_TRUE(HasValue(r[BodyId::Chiron].longitude));
  EXPECT_EQ(-1.0, r[BodyId::Chiron].longitudeNext);
  EXPECT_TRUE(HasValue(r[BodyId::Eros].longitudeNext));
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

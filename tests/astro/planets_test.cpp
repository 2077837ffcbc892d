#include "astro/planets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "astro/angles.h"
#include "astro/pluto.h"
#include "astro/pluto_table.h"
#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;
using testing::NearAngle;

using Theory = EclipticPosition (*)(double jd);

struct Body {
  const char* name;
  Theory theory;
};

constexpr Body kBodies[] = {{"Mercury", MercuryPosition}, {"Venus", VenusPosition},   {"Mars", MarsPosition},
                            {"Jupiter", JupiterPosition}, {"Saturn", SaturnPosition}, {"Uranus", UranusPosition},
                            {"Neptune", NeptunePosition}, {"Pluto", PlutoPosition}};

// Four decimals: within half a unit of the last one.
constexpr double kFourDecimals = 0.00005;

TEST(PlanetPositions, ReferenceValuesAt2000And1900) {
  struct Case {
    Theory theory;
    const char* name;
    double jd, longitude, latitude;
  } const cases[] = {
      {MercuryPosition, "Mercury", 2451545.0, 271.8973, -0.9956},
      {MercuryPosition, "Mercury", 2415020.0, 258.3636, 1.1960},
      {VenusPosition, "Venus", 2451545.0, 241.5696, 2.0658},
      {VenusPosition, "Venus", 2415020.0, 305.7558, -1.6795},
      {MarsPosition, "Mars", 2451545.0, 327.9732, -1.0676},
      {MarsPosition, "Mars", 2415020.0, 283.4877, -0.9227},
      {JupiterPosition, "Jupiter", 2451545.0, 25.2640, -1.2602},
      {JupiterPosition, "Jupiter", 2415020.0, 241.0410, 0.8138},
      {SaturnPosition, "Saturn", 2451545.0, 40.3855, -2.4448},
      {SaturnPosition, "Saturn", 2415020.0, 267.6521, 1.0086},
      {UranusPosition, "Uranus", 2451545.0, 314.8179, -0.6582},
      {UranusPosition, "Uranus", 2415020.0, 250.1177, 0.0634},
      {NeptunePosition, "Neptune", 2451545.0, 303.2090, 0.2348},
      {NeptunePosition, "Neptune", 2415020.0, 85.2256, -1.2993},
      {PlutoPosition, "Pluto", 2451545.0, 251.4636, 10.8555},
      {PlutoPosition, "Pluto", 2415020.0, 75.2510, -9.7773},
      {PlutoPosition, "Pluto", 2440000.5, 170.1865, 15.3972},
  };
  for (const Case& c : cases) {
    const EclipticPosition p = c.theory(c.jd);
    EXPECT_TRUE(Near(c.longitude, p.longitudeDeg, kFourDecimals)) << c.name << " longitude at " << c.jd;
    EXPECT_TRUE(Near(c.latitude, p.latitudeDeg, kFourDecimals)) << c.name << " latitude at " << c.jd;
  }
}

TEST(PlanetPositions, DailyMotionIsPlausible) {
  // Largest geocentric daily motions in degrees, with a margin: a series term with a wrong
  // multiple of its angle shows as a jump between neighbouring days.
  const double kMaxDailyMotion[] = {2.3, 1.3, 0.9, 0.25, 0.14, 0.07, 0.05, 0.05};
  for (int b = 0; b < 8; ++b) {
    for (double jd = 2415020.0; jd < 2488070.0; jd += 997.3) {
      const double now = kBodies[b].theory(jd).longitudeDeg;
      const double next = kBodies[b].theory(jd + 1.0).longitudeDeg;
      EXPECT_TRUE(NearAngle(now, next, kMaxDailyMotion[b])) << kBodies[b].name << " at " << jd;
    }
  }
}

// The mean elements leave the ellipse at the ends of the years the input admits (-9999 and
// 99999): every theory must still return a position.
TEST(PlanetPositions, FiniteAndInRangeAtTheExtremeYears) {
  constexpr double kYearMinus9999 = 1721058.5 - 9999.0 * 365.25;
  constexpr double kYear99999 = 1721058.5 + 99999.0 * 365.2425;
  for (const Body& body : kBodies) {
    for (double jd = kYearMinus9999; jd <= kYear99999; jd += (kYear99999 - kYearMinus9999) / 3000.0) {
      const EclipticPosition p = body.theory(jd);
      ASSERT_TRUE(std::isfinite(p.longitudeDeg) && std::isfinite(p.latitudeDeg)) << body.name << " at " << jd;
      EXPECT_GE(p.longitudeDeg, 0.0) << body.name;
      EXPECT_LT(p.longitudeDeg, 360.0) << body.name;
      EXPECT_LE(std::fabs(p.latitudeDeg), 90.0) << body.name;
    }
  }
}

TEST(PlutoSeries, HeliocentricReferenceValues) {
  struct Case {
    const char* series;
    HeliocentricPosition (*evaluate)(double jd);
    double jd, l, b, r;
  } const cases[] = {
      {"long", PlutoLongSeries, 2451545.0, 250.54517, 11.16146, 30.22363},
      {"long", PlutoLongSeries, 2415020.0, 75.75344, -9.59137, 46.96040},
      {"short", PlutoShortSeries, 2451545.0, 250.46076, 11.25170, 30.27738},
  };
  for (const Case& c : cases) {
    const HeliocentricPosition h = c.evaluate(c.jd);
    EXPECT_TRUE(Near(c.l, h.longitudeDeg, 0.000005)) << c.series << " at " << c.jd;
    EXPECT_TRUE(Near(c.b, h.latitudeDeg, 0.000005)) << c.series << " at " << c.jd;
    EXPECT_TRUE(Near(c.r, h.radiusAu, 0.000005)) << c.series << " at " << c.jd;
  }
  // At the first day of the long series its longitude is negative, not reduced.
  EXPECT_TRUE(Near(-21.02968, PlutoLongSeries(kPlutoLongSeriesFirstJd).longitudeDeg, 0.000005));
}

TEST(PlutoSeries, SwitchesAtTheInclusiveBounds) {
  // The long series inside 1805-2030 (both bounds inclusive), the tabulated one outside it as far
  // as the table reaches (21 January 1800 to 7 February 2100), the short one beyond. Less than
  // kPlutoJoinDays (30) outside the long series the table is carried over to it: strictly between
  // the two, nearer the long series close to the switch.
  enum Series { kLong, kJoin, kTable, kShort };
  struct Case {
    double jd;
    Series series;
  } const cases[] = {{2380322.5, kLong},  {2462502.5, kLong},  {2451545.0, kLong},  {2380322.0, kJoin},
                     {2380293.0, kJoin},  {2462503.0, kJoin},  {2462532.0, kJoin},  {2380292.5, kTable},
                     {2462532.5, kTable}, {2378517.0, kTable}, {2488107.0, kTable}, {2378516.9, kShort},
                     {2488107.1, kShort}, {2300000.0, kShort}, {2500000.0, kShort}};
  for (const Case& c : cases) {
    const HeliocentricPosition got = PlutoHeliocentric(c.jd);
    const std::optional<HeliocentricPosition> tabulated = PlutoTablePosition(c.jd);
    ASSERT_EQ(c.series != kShort, tabulated.has_value()) << c.jd;
    if (c.series == kJoin) {
      const HeliocentricPosition longSeries = PlutoLongSeries(c.jd);
      const double fromTable = Normalize360(got.longitudeDeg - tabulated->longitudeDeg + 180.0) - 180.0;
      const double longFromTable = Normalize360(longSeries.longitudeDeg - tabulated->longitudeDeg + 180.0) - 180.0;
      const double weight = fromTable / longFromTable;
      const bool nearSwitch = c.jd > 2380320.0 && c.jd < 2462505.0;
      EXPECT_GT(weight, nearSwitch ? 0.99 : 0.0) << c.jd;
      EXPECT_LT(weight, nearSwitch ? 1.0 : 0.01) << c.jd;
      EXPECT_TRUE(Near(tabulated->radiusAu + weight * (longSeries.radiusAu - tabulated->radiusAu), got.radiusAu, 1e-9))
          << c.jd;
      continue;
    }
    const HeliocentricPosition want = c.series == kLong    ? PlutoLongSeries(c.jd)
                                      : c.series == kTable ? *tabulated
                                                           : PlutoShortSeries(c.jd);
    EXPECT_EQ(want.longitudeDeg, got.longitudeDeg) << c.jd;
    EXPECT_EQ(want.latitudeDeg, got.latitudeDeg) << c.jd;
    EXPECT_EQ(want.radiusAu, got.radiusAu) << c.jd;
    EXPECT_NE(PlutoShortSeries(c.jd).longitudeDeg == got.longitudeDeg, c.series != kShort) << c.jd;
  }
}

}  // namespace
}  // namespace caelix

#include <gtest/gtest.h>

#include <cmath>

#include "astro/apparent_place.h"
#include "astro/planets.h"
#include "astro/pluto.h"
#include "chart/compute_chart.h"

namespace caelix {
namespace {

using Theory = EclipticPosition (*)(double jd);

struct Planet {
  BodyId id;
  Theory theory;
};

constexpr Planet kPlanets[] = {{BodyId::Mercury, MercuryPosition}, {BodyId::Venus, VenusPosition},
                               {BodyId::Mars, MarsPosition},       {BodyId::Jupiter, JupiterPosition},
                               {BodyId::Saturn, SaturnPosition},   {BodyId::Uranus, UranusPosition},
                               {BodyId::Neptune, NeptunePosition}, {BodyId::Pluto, PlutoPosition}};

// Slots 3 to 10 hold the apparent place of their own theory at jde and at jde + 1: the plain
// apparent place within 1e-11 degrees (the chart's takes its sines and cosines by angle addition).
TEST(ChartPlanets, EachSlotHoldsItsTheoryAtBothInstants) {
  ChartResult r;
  ComputeChart(17.0, 6.0, 45.0, 8.0, 1987.0, -3.7, 40.4, 'P', r);
  const double jde = ComputeInstants(17.0, 6.0, 45.0, 8.0, 1987.0).jde;
  for (const Planet& p : kPlanets) {
    const EclipticPosition now = p.theory(jde);
    const EclipticPosition next = p.theory(jde + 1.0);
    const ApparentPosition a = ApparentPlace(jde, now.longitudeDeg, now.latitudeDeg);
    const ApparentPosition b = ApparentPlace(jde + 1.0, next.longitudeDeg, next.latitudeDeg);
    const BodySlot& s = r[p.id];
    EXPECT_NEAR(a.longitudeDeg, s.longitude, 1e-11) << BodyKey(p.id);
    EXPECT_NEAR(a.declinationDeg, s.declination, 1e-11) << BodyKey(p.id);
    EXPECT_NEAR(b.longitudeDeg, s.longitudeNext, 1e-11) << BodyKey(p.id);
    EXPECT_NEAR(b.declinationDeg, s.declinationNext, 1e-11) << BodyKey(p.id);
  }
}

// At the first and last days the year edit admits the elements are far outside the ellipse, yet
// every planet keeps a value: a longitude in [0, 360) and a finite declination at both instants.
TEST(ChartPlanets, ExtremeYearsStillGiveEveryPlanet) {
  struct Case {
    double day, month, year;
  } const cases[] = {{1.0, 1.0, -9999.0}, {31.0, 12.0, 99999.0}, {15.0, 6.0, 50000.0}};
  for (const Case& c : cases) {
    ChartResult r;
    ComputeChart(c.day, 12.0, 0.0, c.month, c.year, 10.0, 50.0, 'K', r);
    for (const Planet& p : kPlanets) {
      const BodySlot& s = r[p.id];
      for (double longitude : {s.longitude, s.longitudeNext}) {
        EXPECT_GE(longitude, 0.0) << BodyKey(p.id) << " in " << c.year;
        EXPECT_LT(longitude, 360.0) << BodyKey(p.id) << " in " << c.year;
      }
      EXPECT_TRUE(std::isfinite(s.declination) && std::isfinite(s.declinationNext)) << BodyKey(p.id);
    }
  }
}

}  // namespace
}  // namespace caelix

// The driver shares the Sun, the nutation and the obliquity of an instant among all positions at
// that instant. This holds it bit for bit equal to the plain order, where every theory and every
// apparent place computes them itself.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "astro/apparent_place.h"
#include "astro/chart_angles.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/pluto.h"
#include "astro/points.h"
#include "astro/sun.h"
#include "chart/compute_chart.h"
#include "houses/house_cusp.h"

namespace caelix {
namespace {

// Slots 1 to 21 in the plain order: each call on its own Julian day.
ChartResult PlainChart(const ChartInput& in) {
  const ChartInstants t = ComputeInstants(in.day, in.hour, in.minute, in.month, in.year);
  ChartResult r;
  using Theory = EclipticPosition (*)(double);
  const struct {
    BodyId id;
    Theory theory;
  } bodies[] = {{BodyId::Sun, SunPosition},
                {BodyId::Moon, MoonPosition},
                {BodyId::Mercury, MercuryPosition},
                {BodyId::Venus, VenusPosition},
                {BodyId::Mars, MarsPosition},
                {BodyId::Jupiter, JupiterPosition},
                {BodyId::Saturn, SaturnPosition},
                {BodyId::Uranus, UranusPosition},
                {BodyId::Neptune, NeptunePosition},
                {BodyId::Pluto, PlutoPosition},
                {BodyId::MeanNode, [](double jd) {
                   EclipticPosition p;
                   p.longitudeDeg = MeanNodeLongitude(jd);
                   return p;
                 }}};
  for (const auto& b : bodies) {
    const EclipticPosition p = b.theory(t.jde);
    const EclipticPosition q = b.theory(t.jde + 1.0);
    const ApparentPosition a = ApparentPlace(t.jde, p.longitudeDeg, p.latitudeDeg);
    const ApparentPosition c = ApparentPlace(t.jde + 1.0, q.longitudeDeg, q.latitudeDeg);
    r[b.id] = BodySlot{a.longitudeDeg, a.declinationDeg, c.longitudeDeg, c.declinationDeg};
  }
  const double sun = SunPosition(t.jde).longitudeDeg;
  const double moon = MoonPosition(t.jde).longitudeDeg;
  const ChartAnglesValue g = ChartAngles(t.jdUT, t.dayWithFraction, in.longitude, in.latitude);
  const auto point = [&](BodyId id, double lon) {
    const ApparentPosition a = ApparentPlace(t.jde, lon, 0.0);
    r[id].longitude = a.longitudeDeg;
    r[id].declination = a.declinationDeg;
  };
  point(BodyId::Ascendant, g.ascendantDeg);
  point(BodyId::Midheaven, g.mcDeg);
  point(BodyId::Vertex, VertexLongitude(g.antiVertexDeg, g.mcDeg));
  point(BodyId::PartOfFortune, ArabicPart(sun, moon, g.ascendantDeg));
  point(BodyId::PartOfDaimon, ArabicPart(moon, sun, g.ascendantDeg));
  point(BodyId::Midpoint, SunMoonMidpoint(sun, moon));
  const struct {
    int cusp;
    BodyId id;
  } cusps[] = {{2, BodyId::Cusp2}, {3, BodyId::Cusp3}, {11, BodyId::Cusp11}, {12, BodyId::Cusp12}};
  for (const auto& c : cusps) {
    point(c.id, HouseCusp(c.cusp, t.jdUT, in.latitude, g.ascendantDeg, g.mcDeg, in.houseCode()));
  }
  return r;
}

TEST(ComputeChart, BitForBitTheSameAsThePlainOrder) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int i = 0; i < 3000; ++i) {
    ChartInput in;
    in.year = i % 10 == 0 ? -9999 + static_cast<int>(unit(rng) * 109998) : 1700 + static_cast<int>(unit(rng) * 600);
    in.month = 1 + static_cast<int>(unit(rng) * 12);
    in.day = 1 + static_cast<int>(unit(rng) * 28);
    in.hour = static_cast<int>(unit(rng) * 24);
    in.minute = unit(rng) * 59.99;
    in.longitude = -360.0 + 720.0 * unit(rng);
    in.latitude = -65.99 + 131.98 * unit(rng);
    in.houseIndex = i % 3;
    const ChartResult fast = ComputeChart(in);
    const ChartResult plain = PlainChart(in);
    for (int id = 1; id <= static_cast<int>(BodyId::PartOfDaimon); ++id) {
      const BodySlot& a = fast[static_cast<BodyId>(id)];
      const BodySlot& b = plain[static_cast<BodyId>(id)];
      if (!std::isfinite(b.longitude) || !std::isfinite(b.declination)) continue;  // the driver's no-value marker
      ASSERT_EQ(0, std::memcmp(&a, &b, sizeof a))
          << BodyKey(static_cast<BodyId>(id)) << " chart " << i << ": " << a.longitude << " vs " << b.longitude;
    }
  }
}

}  // namespace
}  // namespace caelix

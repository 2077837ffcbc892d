#include "chart/compute_chart.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/apparent_place.h"
#include "astro/chart_angles.h"
#include "astro/ephemeris_table.h"
#include "astro/moon.h"
#include "astro/nutation.h"
#include "astro/planets.h"
#include "astro/pluto.h"
#include "astro/points.h"
#include "astro/sun.h"
#include "chart/time_scales.h"
#include "houses/house_cusp.h"

namespace caelix {

namespace {

// What every position at one instant shares: the Sun (each planet adds its vector to the Sun's)
// and the nutation and obliquity of the apparent place. Computed once per instant; every result
// is bit for bit what the theories give when each computes them itself.
struct Instant {
  double jd;
  EclipticPosition sun;
  ApparentPlaceContext apparent;
};

Instant MakeInstant(double jd) {
  return Instant{jd, SunPosition(jd), MakeApparentPlaceContext(ComputeNutationOfDate(jd))};
}

#ifdef CAELIX_REFERENCE_ENGINE
// The reference build: each apparent place by its plain iteration.
ApparentPosition ChartApparentPlace(const ApparentPlaceContext& c, double longitudeDeg, double latitudeDeg) {
  return ApparentPlace(c, longitudeDeg, latitudeDeg);
}
#else
// The chart's apparent place: the iterations' sines and cosines by angle addition.
ApparentPosition ChartApparentPlace(const ApparentPlaceContext& c, double longitudeDeg, double latitudeDeg) {
  return ApparentPlaceByAngleAddition(c, longitudeDeg, latitudeDeg);
}
#endif

// A theory at jd, given the Sun at jd.
using Theory = EclipticPosition (*)(double jd, const EclipticPosition& sun);

EclipticPosition SunTheory(double, const EclipticPosition& sun) { return sun; }
EclipticPosition MoonTheory(double jd, const EclipticPosition&) { return MoonPosition(jd); }
EclipticPosition NodeTheory(double jd, const EclipticPosition&) {
  EclipticPosition p;
  p.longitudeDeg = MeanNodeLongitude(jd);
  return p;
}

// Evaluates a theory at the chart instant and one day later and stores both apparent places;
// returns the raw position at the chart instant.
EclipticPosition StoreBody(ChartResult& result, BodyId id, Theory theory, const Instant& now, const Instant& next) {
  const EclipticPosition p = theory(now.jd, now.sun);
  const ApparentPosition a = ChartApparentPlace(now.apparent, p.longitudeDeg, p.latitudeDeg);
  const EclipticPosition q = theory(next.jd, next.sun);
  const ApparentPosition b = ChartApparentPlace(next.apparent, q.longitudeDeg, q.latitudeDeg);
  result[id] = BodySlot{a.longitudeDeg, a.declinationDeg, b.longitudeDeg, b.declinationDeg};
  return p;
}

// Stores the apparent place of a point on the ecliptic at the chart instant.
void StorePoint(ChartResult& result, BodyId id, double longitudeDeg, const Instant& now) {
  const ApparentPosition a = ChartApparentPlace(now.apparent, longitudeDeg, 0.0);
  result[id].longitude = a.longitudeDeg;
  result[id].declination = a.declinationDeg;
}

// Stores every table body's longitudes at jde and jde + 1 as its table gives them (-1.0 for no
// value); a table body has no declination.
void StoreTableBodies(ChartResult& result, double jde) {
  for (const SlotInfo& slot : kCatalogue) {
    if (slot.kind != SlotKind::TableBody) continue;
    result[slot.id] = BodySlot{SeriesLongitude(*slot.table, jde), kNoDeclination,
                               SeriesLongitude(*slot.table, jde + 1.0), kNoDeclination};
  }
}

// A value that is not finite is no value: the reader skips the slot instead of showing garbage.
void ReplaceNonFinite(ChartResult& result) {
  for (BodySlot& s : result.slots) {
    if (!std::isfinite(s.longitude) || !std::isfinite(s.declination)) {
      s.longitude = kNoLongitude;
      s.declination = kNoDeclination;
    }
    if (!std::isfinite(s.longitudeNext) || !std::isfinite(s.declinationNext)) {
      s.longitudeNext = kNoLongitude;
      s.declinationNext = kNoDeclination;
    }
  }
}

// Fills every slot of the chart at the instants t, the place and the house code.
void FillSlots(const ChartInstants& t, double longitude, double latitude, char houseCode, ChartResult& result) {
  const double jde = t.jde;

  result = ChartResult{};
  const Instant now = MakeInstant(jde);
  const Instant next = MakeInstant(jde + 1.0);
  const double sunRaw = StoreBody(result, BodyId::Sun, SunTheory, now, next).longitudeDeg;
  const double moonRaw = StoreBody(result, BodyId::Moon, MoonTheory, now, next).longitudeDeg;
  StoreBody(result, BodyId::Mercury, MercuryPosition, now, next);
  StoreBody(result, BodyId::Venus, VenusPosition, now, next);
  StoreBody(result, BodyId::Mars, MarsPosition, now, next);
  StoreBody(result, BodyId::Jupiter, JupiterPosition, now, next);
  StoreBody(result, BodyId::Saturn, SaturnPosition, now, next);
  StoreBody(result, BodyId::Uranus, UranusPosition, now, next);
  StoreBody(result, BodyId::Neptune, NeptunePosition, now, next);
  StoreBody(result, BodyId::Pluto, PlutoPosition, now, next);
  StoreBody(result, BodyId::MeanNode, NodeTheory, now, next);

  const NutationOfDate nutationUT = ComputeNutationOfDate(t.jdUT);
  const ChartAnglesValue angles = ChartAngles(t.jdUT, nutationUT, t.dayWithFraction, longitude, latitude);
  const double asc = angles.ascendantDeg;
  const double mc = angles.mcDeg;

  StorePoint(result, BodyId::Ascendant, asc, now);
  StorePoint(result, BodyId::Midheaven, mc, now);
  StorePoint(result, BodyId::Vertex, VertexLongitude(angles.antiVertexDeg, mc), now);
  StorePoint(result, BodyId::PartOfFortune, ArabicPart(sunRaw, moonRaw, asc), now);
  StorePoint(result, BodyId::PartOfDaimon, ArabicPart(moonRaw, sunRaw, asc), now);
  StorePoint(result, BodyId::Midpoint, SunMoonMidpoint(sunRaw, moonRaw), now);
  const IntermediateCusps cusps = HouseCusps(nutationUT.trueObliquityDeg, latitude, asc, mc, houseCode);
  StorePoint(result, BodyId::Cusp2, cusps.cusp2, now);
  StorePoint(result, BodyId::Cusp3, cusps.cusp3, now);
  StorePoint(result, BodyId::Cusp11, cusps.cusp11, now);
  StorePoint(result, BodyId::Cusp12, cusps.cusp12, now);

  StoreTableBodies(result, jde);
  ReplaceNonFinite(result);
}

}  // namespace

void StoreTabulatedBodies(ChartResult& result, double jde) { StoreTableBodies(result, jde); }

ChartInstants ComputeInstants(double day, double hour, double minute, double month, double year) {
  ChartInstants t{};
  t.dayWithFraction = day + (minute * (1.0 / 1440.0) + hour * (1.0 / 24.0));
  t.jdUT = JulianDay(t.dayWithFraction, month, year);
  t.jde = DynamicalTime(t.jdUT);
  return t;
}

void ComputeChart(double day, double hour, double minute, double month, double year, double longitude, double latitude,
                  char houseCode, ChartResult& result) {
  FillSlots(ComputeInstants(day, hour, minute, month, year), longitude, latitude, houseCode, result);
}

Chart ComputeChart(const ChartInput& input) {
  Chart chart;
  chart.input = input;
  const ChartInstants t = ComputeInstants(input.day, input.hour, input.minute, input.month, input.year);
  chart.jdUT = t.jdUT;
  chart.jde = t.jde;
  FillSlots(t, input.longitude, input.latitude, input.houseCode(), chart.slots);
  return chart;
}

}  // namespace caelix

#include "chart/compute_chart.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/apparent_place.h"
#include "astro/chart_angles.h"
#include "astro/ephemeris_table.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/pluto.h"
#include "astro/points.h"
#include "astro/sun.h"
#include "chart/time_scales.h"
#include "houses/house_cusp.h"

namespace caelix {

namespace {

using Theory = EclipticPosition (*)(double jd);

EclipticPosition NodePosition(double jd) {
  EclipticPosition p;
  p.longitudeDeg = MeanNodeLongitude(jd);
  return p;
}

// Evaluates a theory at jde and jde + 1 and stores both apparent places; returns the raw
// position at jde.
EclipticPosition StoreBody(ChartResult& result, BodyId id, Theory theory, double jde) {
  const EclipticPosition now = theory(jde);
  const ApparentPosition a = ApparentPlace(jde, now.longitudeDeg, now.latitudeDeg);
  const EclipticPosition next = theory(jde + 1.0);
  const ApparentPosition b = ApparentPlace(jde + 1.0, next.longitudeDeg, next.latitudeDeg);
  result[id] = BodySlot{a.longitudeDeg, a.declinationDeg, b.longitudeDeg, b.declinationDeg};
  return now;
}

// Stores the apparent place of a point on the ecliptic at the chart instant.
void StorePoint(ChartResult& result, BodyId id, double longitudeDeg, double jde) {
  const ApparentPosition a = ApparentPlace(jde, longitudeDeg, 0.0);
  result[id].longitude = a.longitudeDeg;
  result[id].declination = a.declinationDeg;
}

// Stores a table body's longitudes at jde and jde + 1 as the table gives them (-1.0 for no
// value); a table body has no declination.
template <typename Lookup>
void StoreTableBody(ChartResult& result, BodyId id, double jde, Lookup lookup) {
  const double now = lookup(jde);
  const double next = lookup(jde + 1.0);
  result[id] = BodySlot{now, kNoDeclination, next, kNoDeclination};
}

// The twelve tabulated bodies, each table object made for its bodies and gone after them.
void StoreTableBodies(ChartResult& result, double jde) {
  {
    const LilithTrueTable table;
    StoreTableBody(result, BodyId::LilithTrue, jde, [&](double jd) { return table.TableLongitude(jd); });
  }
  {
    const MultiBodyTable table;
    StoreTableBody(result, BodyId::Lilith, jde, [&](double jd) { return table.TableLongitude(jd, "Ll"); });
    StoreTableBody(result, BodyId::Selena, jde, [&](double jd) { return table.TableLongitude(jd, "Se"); });
  }
  {
    const WaldemathTable table;
    StoreTableBody(result, BodyId::Waldemath, jde, [&](double jd) { return table.TableLongitude(jd); });
  }
  {
    const ChironTable table;
    StoreTableBody(result, BodyId::Chiron, jde, [&](double jd) { return table.TableLongitude(jd); });
  }
  {
    const ErosTable table;
    StoreTableBody(result, BodyId::Eros, jde, [&](double jd) { return table.TableLongitude(jd); });
  }
  {
    constexpr struct {
      BodyId id;
      const char* code;
    } kOuterBodies[] = {{BodyId::Eris, "Xe"},   {BodyId::Sedna, "Sd"},  {BodyId::Orcus, "Or"},
                        {BodyId::Quaoar, "Qu"}, {BodyId::Varuna, "Vr"}, {BodyId::Ixion, "Ix"}};
    const MultiBodyTable table;
    for (const auto& b : kOuterBodies) {
      StoreTableBody(result, b.id, jde, [&](double jd) { return table.TableLongitude(jd, b.code); });
    }
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

}  // namespace

ChartInstants ComputeInstants(double day, double hour, double minute, double month, double year) {
  ChartInstants t{};
  t.dayWithFraction = day + (minute * (1.0 / 1440.0) + hour * (1.0 / 24.0));
  t.jdUT = JulianDay(t.dayWithFraction, month, year);
  t.jde = DynamicalTime(t.jdUT);
  return t;
}

void ComputeChart(double day, double hour, double minute, double month, double year, double longitude, double latitude,
                  char houseCode, ChartResult& result) {
  const ChartInstants t = ComputeInstants(day, hour, minute, month, year);
  const double jde = t.jde;

  result = ChartResult{};
  const double sunRaw = StoreBody(result, BodyId::Sun, SunPosition, jde).longitudeDeg;
  const double moonRaw = StoreBody(result, BodyId::Moon, MoonPosition, jde).longitudeDeg;
  StoreBody(result, BodyId::Mercury, MercuryPosition, jde);
  StoreBody(result, BodyId::Venus, VenusPosition, jde);
  StoreBody(result, BodyId::Mars, MarsPosition, jde);
  StoreBody(result, BodyId::Jupiter, JupiterPosition, jde);
  StoreBody(result, BodyId::Saturn, SaturnPosition, jde);
  StoreBody(result, BodyId::Uranus, UranusPosition, jde);
  StoreBody(result, BodyId::Neptune, NeptunePosition, jde);
  StoreBody(result, BodyId::Pluto, PlutoPosition, jde);
  StoreBody(result, BodyId::MeanNode, NodePosition, jde);

  const ChartAnglesValue angles = ChartAngles(t.jdUT, t.dayWithFraction, longitude, latitude);
  double vertex = angles.antiVertexDeg + 180.0;
  if (vertex >= 360.0) vertex -= 360.0;
  const double asc = angles.ascendantDeg;
  const double mc = angles.mcDeg;
  // The Vertex is the western end of the prime vertical's axis, in the half from the IC forward to
  // the MC; where the tangent's quadrant picks the eastern end, the opposite point is the Vertex.
  if (Normalize360(vertex - mc) < 180.0) vertex = ReduceOnce(vertex - 180.0);

  StorePoint(result, BodyId::Ascendant, asc, jde);
  StorePoint(result, BodyId::Midheaven, mc, jde);
  StorePoint(result, BodyId::Vertex, vertex, jde);
  StorePoint(result, BodyId::PartOfFortune, ArabicPart(sunRaw, moonRaw, asc), jde);
  StorePoint(result, BodyId::PartOfDaimon, ArabicPart(moonRaw, sunRaw, asc), jde);
  StorePoint(result, BodyId::Midpoint, SunMoonMidpoint(sunRaw, moonRaw), jde);
  constexpr struct {
    int cusp;
    BodyId id;
  } kCusps[] = {{2, BodyId::Cusp2}, {3, BodyId::Cusp3}, {11, BodyId::Cusp11}, {12, BodyId::Cusp12}};
  for (const auto& c : kCusps) {
    StorePoint(result, c.id, HouseCusp(c.cusp, t.jdUT, latitude, asc, mc, houseCode), jde);
  }

  StoreTableBodies(result, jde);
  ReplaceNonFinite(result);
}

ChartResult ComputeChart(const ChartInput& input) {
  ChartResult r;
  ComputeChart(input.day, input.hour, input.minute, input.month, input.year, input.longitude, input.latitude,
               input.houseCode(), r);
  return r;
}

}  // namespace caelix

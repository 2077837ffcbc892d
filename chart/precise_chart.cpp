#include "chart/precise_chart.h"

#include <cmath>
#include <optional>

#include "astro/delta_t.h"
#include "astro/elp_mpp02.h"
#include "astro/outer_planets.h"
#include "astro/pluto_table.h"
#include "astro/points.h"
#include "astro/precise_place.h"
#include "astro/sidereal_angles.h"
#include "astro/vsop87d.h"
#include "chart/time_scales.h"
#include "houses/house_cusp.h"

namespace caelix {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegPerRad = 180.0 / kPi;
constexpr double kSecondsPerDay = 86400.0;

struct PlanetSeries {
  BodyId id;
  const Vsop87Body* series;
  const OuterCorrection* correction;  // nullptr: the series alone
};

constexpr PlanetSeries kPlanets[] = {
    {BodyId::Mercury, &kVsop87dMercury, nullptr},
    {BodyId::Venus, &kVsop87dVenus, nullptr},
    {BodyId::Mars, &kVsop87dMars, nullptr},
    {BodyId::Jupiter, &kVsop87dJupiter, nullptr},
    {BodyId::Saturn, &kVsop87dSaturn, nullptr},
    {BodyId::Uranus, &kVsop87dUranus, &kUranusCorrection},
    {BodyId::Neptune, &kVsop87dNeptune, &kNeptuneCorrection},
};

void Store(ChartResult& result, BodyId id, const ApparentPosition& now, const ApparentPosition& next) {
  result[id] = BodySlot{now.longitudeDeg, now.declinationDeg, next.longitudeDeg, next.declinationDeg};
}

void StorePoint(ChartResult& result, BodyId id, double longitudeDeg, double epsRad) {
  result[id].longitude = longitudeDeg;
  result[id].declination = EclipticDeclinationDeg(longitudeDeg, 0.0, epsRad);
}

// Pluto's heliocentric position at jd from the tabulated series (values from the Swiss
// Ephemeris), which answers over the whole precise span.
HeliocentricPosition PlutoAt(double jd) { return PlutoTablePosition(jd).value_or(HeliocentricPosition{}); }

// Pluto's heliocentric state at a position, with the rates of the day from the chart instant to
// the next (Pluto's motion hardly changes in a day).
HeliocentricState PlutoState(const HeliocentricPosition& p, const HeliocentricPosition& now,
                             const HeliocentricPosition& next) {
  return {p.longitudeDeg / kDegPerRad,
          p.latitudeDeg / kDegPerRad,
          p.radiusAu,
          std::remainder(next.longitudeDeg - now.longitudeDeg, 360.0) / kDegPerRad,
          (next.latitudeDeg - now.latitudeDeg) / kDegPerRad,
          next.radiusAu - now.radiusAu};
}

double Difference180(double a, double b) { return std::remainder(a - b, 360.0); }

void FillPreciseSlots(const ChartInstants& t, double longitude, double latitude, char houseCode, ChartResult& result) {
  const double jde = t.jde;
  result = ChartResult{};
  const PreciseFrames frames = MakePreciseFrames(jde);
  const PreciseFrame& now = frames.at;
  const PreciseFrame& next = frames.dayAfter;

  const ApparentPosition sun = ApparentSun(now);
  Store(result, BodyId::Sun, sun, ApparentSun(next));

  const LunarPositions moons = ElpMoonOfDate(jde);
  const LunarPosition& moonNow = moons.at;
  const LunarPosition& moonNext = moons.dayAfter;
  const double moonLongitudeRate = Difference180(moonNext.longitudeDeg, moonNow.longitudeDeg);
  const double moonLatitudeRate = moonNext.latitudeDeg - moonNow.latitudeDeg;
  const ApparentPosition moon = ApparentMoon(now, moonNow, moonLongitudeRate, moonLatitudeRate);
  Store(result, BodyId::Moon, moon, ApparentMoon(next, moonNext, moonLongitudeRate, moonLatitudeRate));

  for (const PlanetSeries& p : kPlanets) {
    HeliocentricStates states = Vsop87dStates(*p.series, jde);
    if (p.correction != nullptr) states = CorrectOuterPlanet(*p.correction, states, jde);
    Store(result, p.id, ApparentPlanet(now, states.at), ApparentPlanet(next, states.dayAfter));
  }

  const HeliocentricPosition plutoNow = PlutoAt(jde);
  const HeliocentricPosition plutoNext = PlutoAt(jde + 1.0);
  Store(result, BodyId::Pluto, ApparentPlanet(now, PlutoState(plutoNow, plutoNow, plutoNext)),
        ApparentPlanet(next, PlutoState(plutoNext, plutoNow, plutoNext)));

  Store(result, BodyId::MeanNode, ApparentEclipticPoint(now, ElpMeanNodeOfDate(jde)),
        ApparentEclipticPoint(next, ElpMeanNodeOfDate(jde + 1.0)));

  const double epsRad = now.trueObliquityRad;
  const double epsDeg = epsRad * kDegPerRad;
  const ChartAnglesValue angles = ChartAnglesAt(ApparentSiderealDeg(t.jdUT, now) + longitude, latitude, epsDeg);
  const double asc = angles.ascendantDeg;
  const double mc = angles.mcDeg;
  StorePoint(result, BodyId::Ascendant, asc, epsRad);
  StorePoint(result, BodyId::Midheaven, mc, epsRad);
  StorePoint(result, BodyId::Vertex, VertexLongitude(angles.antiVertexDeg, mc), epsRad);
  StorePoint(result, BodyId::PartOfFortune, ArabicPart(sun.longitudeDeg, moon.longitudeDeg, asc), epsRad);
  StorePoint(result, BodyId::PartOfDaimon, ArabicPart(moon.longitudeDeg, sun.longitudeDeg, asc), epsRad);
  StorePoint(result, BodyId::Midpoint, SunMoonMidpoint(sun.longitudeDeg, moon.longitudeDeg), epsRad);
  const IntermediateCusps cusps = HouseCusps(epsDeg, latitude, asc, mc, houseCode);
  StorePoint(result, BodyId::Cusp2, cusps.cusp2, epsRad);
  StorePoint(result, BodyId::Cusp3, cusps.cusp3, epsRad);
  StorePoint(result, BodyId::Cusp11, cusps.cusp11, epsRad);
  StorePoint(result, BodyId::Cusp12, cusps.cusp12, epsRad);
  StoreTabulatedBodies(result, jde);
}

}  // namespace

std::string_view EngineName(Engine engine) { return engine == Engine::Precise ? "precise" : "classic"; }

std::optional<Engine> ParseEngine(std::string_view name) {
  for (Engine e : {Engine::Classic, Engine::Precise}) {
    if (name == EngineName(e)) return e;
  }
  return std::nullopt;
}

ChartInstants ComputePreciseInstants(double day, double hour, double minute, double month, double year) {
  ChartInstants t{};
  t.dayWithFraction = day + (minute * (1.0 / 1440.0) + hour * (1.0 / 24.0));
  t.jdUT = JulianDay(t.dayWithFraction, month, year);
  t.jde = t.jdUT + PreciseDeltaTSeconds(t.jdUT) / kSecondsPerDay;
  return t;
}

bool InPreciseSpan(const ChartInstants& t) { return t.jde >= kPreciseFirstJde && t.jde + 1.0 <= kPreciseLastJde; }

Engine ComputePreciseChart(double day, double hour, double minute, double month, double year, double longitude,
                           double latitude, char houseCode, ChartResult& result) {
  const ChartInstants t = ComputePreciseInstants(day, hour, minute, month, year);
  if (!InPreciseSpan(t)) {
    ComputeChart(day, hour, minute, month, year, longitude, latitude, houseCode, result);
    return Engine::Classic;
  }
  FillPreciseSlots(t, longitude, latitude, houseCode, result);
  return Engine::Precise;
}

Chart ComputeChartWith(Engine requested, const ChartInput& input) {
  if (requested == Engine::Classic) return ComputeChart(input);
  Chart c;
  c.input = input;
  c.engine = ComputePreciseChart(input.day, input.hour, input.minute, input.month, input.year, input.longitude,
                                 input.latitude, input.houseCode(), c.slots);
  const ChartInstants t = c.engine == Engine::Precise
                              ? ComputePreciseInstants(input.day, input.hour, input.minute, input.month, input.year)
                              : ComputeInstants(input.day, input.hour, input.minute, input.month, input.year);
  c.jdUT = t.jdUT;
  c.jde = t.jde;
  return c;
}

}  // namespace caelix

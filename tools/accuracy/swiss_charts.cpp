#include "tools/accuracy/swiss_charts.h"

#include <swephexp.h>

#include <cmath>
#include <cstdio>

#include "chart/compute_chart.h"
#include "chart/time_scales.h"

namespace caelix::tools {

namespace {

constexpr int kSweBodies[kBodyCount] = {SE_SUN,    SE_MOON,   SE_MERCURY, SE_VENUS, SE_MARS,     SE_JUPITER,
                                        SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE};

bool SwissBody(double jde, int body, double& longitude, double& declination, std::string& error) {
  double xx[6] = {};
  char message[AS_MAXCH] = {};
  const int flags = SEFLG_SWIEPH | SEFLG_SPEED;
  int rc = swe_calc(jde, body, flags, xx, message);
  // The mean node is analytic; every other body must come from the ephemeris files.
  const bool fromFiles = body == SE_MEAN_NODE || (rc >= 0 && (rc & SEFLG_SWIEPH) != 0);
  if (rc < 0 || !fromFiles) {
    error = "body " + std::to_string(body) + " at JD " + std::to_string(jde) + ": " + message;
    return false;
  }
  longitude = xx[0];
  rc = swe_calc(jde, body, flags | SEFLG_EQUATORIAL, xx, message);
  if (rc < 0) {
    error = message;
    return false;
  }
  declination = xx[1];
  return true;
}

}  // namespace

ChartDraw DrawChart(std::mt19937_64& random, double firstJd, double endJd) {
  std::uniform_real_distribution<double> instant(firstJd, endJd), longitude(-180.0, 180.0), latitude(-65.99, 65.99);
  const CalendarDateValue date = CalendarDate(instant(random));
  const double day = std::floor(date.day);
  const double hours = (date.day - day) * 24.0;
  const double hour = std::floor(hours);
  ChartDraw c{day, hour, (hours - hour) * 60.0, date.month, date.year, 0.0, 0.0};
  c.longitude = longitude(random);
  c.latitude = latitude(random);
  return c;
}

ChartInstants EngineInstants(const ChartDraw& c, Engine engine) {
  return engine == Engine::Precise ? ComputePreciseInstants(c.day, c.hour, c.minute, c.month, c.year)
                                   : ComputeInstants(c.day, c.hour, c.minute, c.month, c.year);
}

bool SwissValues(const ChartDraw& c, Engine engine, ComparedValues& values, std::string& error) {
  const ChartInstants t = EngineInstants(c, engine);
  for (int b = 0; b < kBodyCount; ++b) {
    double* v = values.body[b];
    if (!SwissBody(t.jde, kSweBodies[b], v[0], v[1], error)) return false;
    if (!SwissBody(t.jde + 1.0, kSweBodies[b], v[2], v[3], error)) return false;
  }
  for (int h = 0; h < kHouseCount; ++h) {
    double cusps[13] = {};
    double ascmc[10] = {};
    if (swe_houses_ex(t.jdUT, 0, c.latitude, c.longitude, kHouseCodes[h], cusps, ascmc) < 0) {
      error = "houses at JD " + std::to_string(t.jdUT);
      return false;
    }
    for (int k = 0; k < kCuspCount; ++k) values.cusp[h][k] = cusps[kCuspNumbers[k]];
    if (h == 0) {
      values.angle[0] = ascmc[SE_ASC];
      values.angle[1] = ascmc[SE_MC];
      values.angle[2] = ascmc[SE_VERTEX];
    }
  }
  return true;
}

void CaelixValues(const ChartDraw& c, Engine engine, ComparedValues& values) {
  for (int h = 0; h < kHouseCount; ++h) {
    ChartResult r;
    if (engine == Engine::Precise) {
      ComputePreciseChart(c.day, c.hour, c.minute, c.month, c.year, c.longitude, c.latitude, kHouseCodes[h], r);
    } else {
      ComputeChart(c.day, c.hour, c.minute, c.month, c.year, c.longitude, c.latitude, kHouseCodes[h], r);
    }
    for (int k = 0; k < kCuspCount; ++k) values.cusp[h][k] = r[kComparedCusps[k]].longitude;
    if (h != 0) continue;
    for (int b = 0; b < kBodyCount; ++b) {
      const BodySlot& s = r[kComparedBodies[b]];
      values.body[b][0] = s.longitude;
      values.body[b][1] = s.declination;
      values.body[b][2] = s.longitudeNext;
      values.body[b][3] = s.declinationNext;
    }
    for (int a = 0; a < kAngleCount; ++a) values.angle[a] = r[kComparedAngles[a]].longitude;
  }
}

}  // namespace caelix::tools

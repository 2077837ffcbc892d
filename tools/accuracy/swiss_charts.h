#pragma once
// Random charts and their positions from the Swiss Ephemeris and from Caelix, in one layout, for
// the accuracy report and the reference file of the accuracy test.
#include <random>
#include <string>

#include "chart/chart_result.h"
#include "chart/precise_chart.h"

namespace caelix::tools {

// The bodies compared, in slot order (Sun to Pluto and the mean node), and the house systems.
constexpr BodyId kComparedBodies[] = {BodyId::Sun,     BodyId::Moon,    BodyId::Mercury, BodyId::Venus,
                                      BodyId::Mars,    BodyId::Jupiter, BodyId::Saturn,  BodyId::Uranus,
                                      BodyId::Neptune, BodyId::Pluto,   BodyId::MeanNode};
constexpr int kBodyCount = 11;
constexpr BodyId kComparedAngles[] = {BodyId::Ascendant, BodyId::Midheaven, BodyId::Vertex};
constexpr int kAngleCount = 3;
constexpr char kHouseCodes[] = {'P', 'C', 'K'};
constexpr int kHouseCount = 3;
constexpr BodyId kComparedCusps[] = {BodyId::Cusp2, BodyId::Cusp3, BodyId::Cusp11, BodyId::Cusp12};
constexpr int kCuspNumbers[] = {2, 3, 11, 12};
constexpr int kCuspCount = 4;

// One chart's input as the main dialog takes it: UT date and time, place in degrees.
struct ChartDraw {
  double day, hour, minute, month, year;
  double longitude, latitude;
};

// Returns a chart at a uniformly drawn instant in [firstJd, endJd) (Julian days, UT) at a
// uniformly drawn place with a latitude strictly inside +-66 degrees.
ChartDraw DrawChart(std::mt19937_64& random, double firstJd, double endJd);

// The compared values of one chart, degrees: for each body the longitude and declination at jde
// and at jde + 1; the three angles; the four cusps in each house system.
struct ComparedValues {
  double body[kBodyCount][4];
  double angle[kAngleCount];
  double cusp[kHouseCount][kCuspCount];
};

// Returns the chart's instants as the engine computes them.
ChartInstants EngineInstants(const ChartDraw& c, Engine engine);

// Fills values from the Swiss Ephemeris: apparent geocentric positions of date at the jde of the
// engine taken as TT, the angles and cusps at its jdUT. Returns false with a message when the
// ephemeris files do not cover the instant.
bool SwissValues(const ChartDraw& c, Engine engine, ComparedValues& values, std::string& error);

// Fills values from Caelix's chart driver of the engine for the same input.
void CaelixValues(const ChartDraw& c, Engine engine, ComparedValues& values);

}  // namespace caelix::tools

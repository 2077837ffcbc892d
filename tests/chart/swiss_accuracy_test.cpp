// Holds the chart's positions to the accuracy they reach against the Swiss Ephemeris, on the
// committed reference charts of tests/data (written by tools/accuracy). The bounds lie just above
// what the theories achieve, so that a mistyped series term shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "astro/pluto.h"
#include "astro/pluto_table.h"
#include "chart/compute_chart.h"
#include "data/swiss_reference_generated.h"

namespace caelix {
namespace {

using testing::kSwissReferenceCharts;
using testing::SwissReferenceChart;

constexpr BodyId kBodies[] = {BodyId::Sun,     BodyId::Moon,    BodyId::Mercury, BodyId::Venus,
                              BodyId::Mars,    BodyId::Jupiter, BodyId::Saturn,  BodyId::Uranus,
                              BodyId::Neptune, BodyId::Pluto,   BodyId::MeanNode};
constexpr char kHouseCodes[] = {'P', 'C', 'K'};
constexpr BodyId kCusps[] = {BodyId::Cusp2, BodyId::Cusp3, BodyId::Cusp11, BodyId::Cusp12};

// Largest and RMS differences of one quantity, arcseconds.
struct Tally {
  double max = 0.0;
  double sumSquares = 0.0;
  int count = 0;
  void Add(double arcsec) {
    max = std::max(max, arcsec);
    sumSquares += arcsec * arcsec;
    ++count;
  }
  double Rms() const { return count == 0 ? 0.0 : std::sqrt(sumSquares / count); }
};

struct Tallies {
  Tally longitude;
  Tally declination;
};

// Bounds in arcseconds; a declination bound of 0 means the row has no declination.
struct Bound {
  const char* row;
  double longitudeMax, longitudeRms, declinationMax, declinationRms;
};

constexpr Bound kBounds[] = {
    //  row                               lon max  lon RMS  dec max  dec RMS
    {"Sun 1800-1900, 2100-2300", 46.9, 26.5, 15.9, 7.7},
    {"Sun 1900-2100", 47.9, 26.3, 19.6, 7.7},
    {"Moon 1800-1900, 2100-2300", 107.4, 34.4, 95.8, 28.3},
    {"Moon 1900-2100", 137.1, 35.0, 128.3, 28.6},
    {"Mercury 1800-1900, 2100-2300", 100.4, 37.6, 35.7, 11.2},
    {"Mercury 1900-2100", 97.2, 34.5, 38.3, 11.2},
    {"Venus 1800-1900, 2100-2300", 133.9, 35.3, 40.6, 10.1},
    {"Venus 1900-2100", 155.1, 33.2, 50.7, 7.9},
    {"Mars 1800-1900, 2100-2300", 117.1, 31.2, 48.2, 10.5},
    {"Mars 1900-2100", 116.6, 24.4, 44.0, 8.8},
    {"Jupiter 1800-1900, 2100-2300", 47.2, 20.2, 16.1, 6.8},
    {"Jupiter 1900-2100", 51.6, 17.8, 23.3, 6.9},
    {"Saturn 1800-1900, 2100-2300", 167.6, 82.7, 63.2, 24.3},
    {"Saturn 1900-2100", 174.1, 63.3, 57.5, 19.2},
    {"Uranus 1800-1900, 2100-2300", 51.5, 21.5, 22.1, 7.0},
    {"Uranus 1900-2100", 33.7, 13.1, 10.5, 4.1},
    {"Neptune 1800-1900, 2100-2300", 44.6, 28.8, 15.8, 9.4},
    {"Neptune 1900-2100", 35.2, 23.8, 12.4, 6.2},
    {"Pluto 1805-2030", 21.7, 5.6, 5.9, 2.0},
    {"Pluto table 1800-1805, 2030-2100", 4.4, 3.1, 1.5, 1.0},
    {"Pluto short series", 4794.7, 2243.0, 1784.2, 664.9},
    {"MeanNode 1800-1900, 2100-2300", 40.3, 20.0, 13.7, 5.8},
    {"MeanNode 1900-2100", 30.3, 15.5, 11.2, 4.4},
    {"Ascendant", 39.2, 20.4, 0.0, 0.0},
    {"Midheaven", 38.7, 19.8, 0.0, 0.0},
    {"Vertex", 39.3, 18.6, 0.0, 0.0},
    {"Cusps C", 39.4, 19.9, 0.0, 0.0},
    {"Cusps K", 39.4, 19.9, 0.0, 0.0},
    {"Cusps P", 39.4, 20.0, 0.0, 0.0},
};

double ArcsecBetween(double a, double b, double turn) { return std::fabs(std::remainder(a - b, turn)) * 3600.0; }

// Pluto's rows go by the series that serves the instant.
std::string PlutoRow(double jde) {
  if (jde >= kPlutoLongSeriesFirstJd && jde <= kPlutoLongSeriesLastJd) return "Pluto 1805-2030";
  return PlutoTablePosition(jde) ? "Pluto table 1800-1805, 2030-2100" : "Pluto short series";
}

std::map<std::string, Tallies> CompareReferenceCharts() {
  std::map<std::string, Tallies> rows;
  for (const SwissReferenceChart& c : kSwissReferenceCharts) {
    const std::string period = c.outsideCentury ? " 1800-1900, 2100-2300" : " 1900-2100";
    const double jde = ComputeInstants(c.day, c.hour, c.minute, c.month, c.year).jde;
    for (int h = 0; h < 3; ++h) {
      ChartResult r;
      ComputeChart(c.day, c.hour, c.minute, c.month, c.year, c.longitude, c.latitude, kHouseCodes[h], r);
      for (int k = 0; k < 4; ++k) {
        rows[std::string("Cusps ") + kHouseCodes[h]].longitude.Add(
            ArcsecBetween(r[kCusps[k]].longitude, c.cusp[h][k], 360.0));
      }
      if (h > 0) continue;
      for (int b = 0; b < 11; ++b) {
        const BodySlot& s = r[kBodies[b]];
        const std::string row = std::string(BodyKey(kBodies[b])) + period;
        const bool pluto = kBodies[b] == BodyId::Pluto;
        Tallies& now = rows[pluto ? PlutoRow(jde) : row];
        Tallies& next = rows[pluto ? PlutoRow(jde + 1.0) : row];
        now.longitude.Add(ArcsecBetween(s.longitude, c.body[b][0], 360.0));
        next.longitude.Add(ArcsecBetween(s.longitudeNext, c.body[b][2], 360.0));
        now.declination.Add(std::fabs(s.declination - c.body[b][1]) * 3600.0);
        next.declination.Add(std::fabs(s.declinationNext - c.body[b][3]) * 3600.0);
      }
      rows["Ascendant"].longitude.Add(ArcsecBetween(r[BodyId::Ascendant].longitude, c.angle[0], 360.0));
      rows["Midheaven"].longitude.Add(ArcsecBetween(r[BodyId::Midheaven].longitude, c.angle[1], 360.0));
      rows["Vertex"].longitude.Add(ArcsecBetween(r[BodyId::Vertex].longitude, c.angle[2], 360.0));
    }
  }
  return rows;
}

TEST(SwissEphemerisAccuracy, EveryBodyWithinItsBound) {
  const std::map<std::string, Tallies> rows = CompareReferenceCharts();
  std::string achieved;
  for (const auto& [name, t] : rows) {
    char line[160];
    std::snprintf(line, sizeof line, "    {\"%s\", %.2f, %.2f, %.2f, %.2f},\n", name.c_str(), t.longitude.max,
                  t.longitude.Rms(), t.declination.max, t.declination.Rms());
    achieved += line;
  }
  for (const Bound& b : kBounds) {
    const auto it = rows.find(b.row);
    ASSERT_NE(rows.end(), it) << b.row << " has no reference values";
    const Tallies& t = it->second;
    EXPECT_LE(t.longitude.max, b.longitudeMax) << b.row << " longitude max";
    EXPECT_LE(t.longitude.Rms(), b.longitudeRms) << b.row << " longitude RMS";
    EXPECT_LE(t.declination.max, b.declinationMax) << b.row << " declination max";
    EXPECT_LE(t.declination.Rms(), b.declinationRms) << b.row << " declination RMS";
  }
  EXPECT_EQ(rows.size(), std::size(kBounds)) << "every row needs a bound";
  if (HasFailure())
    std::printf("Achieved (arcseconds: longitude max, RMS, declination max, RMS):\n%s", achieved.c_str());
}

}  // namespace
}  // namespace caelix

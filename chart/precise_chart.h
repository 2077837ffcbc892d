#pragma once
// The precise engine: the chart from VSOP87D, ELP/MPP02, the IAU 2006/2000B frame of ERFA and
// the observed Delta T, beside the classic engine of compute_chart.h.
#include <optional>
#include <string_view>

#include "astro/pluto_table.h"
#include "chart/chart.h"
#include "chart/chart_result.h"
#include "chart/compute_chart.h"

namespace caelix {

// Returns "classic" or "precise", the name of the command line and the JSON.
std::string_view EngineName(Engine engine);

// Returns the engine a name gives ("classic" or "precise", exactly), or nothing.
std::optional<Engine> ParseEngine(std::string_view name);

// The span of the precise engine, Julian days of TT: that of Pluto's tabulated series, 21 January
// 1800 to 7 February 2100, inside the years 1800-2100 over which the other series are truncated
// and checked. A chart whose jde or jde + 1 lies outside it is computed by the classic engine.
constexpr double kPreciseFirstJde = kPlutoTableFirstJd;
constexpr double kPreciseLastJde = kPlutoTableLastJd;

// Returns the instants of a date and UT time of day with the precise engine's Delta T
// (PreciseDeltaTSeconds).
ChartInstants ComputePreciseInstants(double day, double hour, double minute, double month, double year);

// True when the precise engine computes the chart of these instants.
bool InPreciseSpan(const ChartInstants& t);

// Fills result like ComputeChart with the precise engine when the instant lies inside its span,
// and returns Engine::Precise; otherwise fills it with the classic engine and returns
// Engine::Classic. The bodies are apparent places of date (light time, deflection, aberration,
// IAU 2000B nutation) at jde; the angles and cusps come from the apparent sidereal time of jdUT
// and the true obliquity, and are not moved by any apparent-place step; the Sun-Moon points are
// taken from the apparent Sun, Moon and Ascendant; the table bodies are read at jde as tabulated.
Engine ComputePreciseChart(double day, double hour, double minute, double month, double year, double longitude,
                           double latitude, char houseCode, ChartResult& result);

// Returns the chart of input from the requested engine: the classic engine's as ComputeChart
// gives it, or the precise engine's (which hands the charts outside its span to the classic one);
// its engine and instants are those of the engine that computed it.
Chart ComputeChartWith(Engine requested, const ChartInput& input);

}  // namespace caelix

#pragma once
#include "chart/chart.h"

namespace caelix {

// The instants of one chart.
struct ChartInstants {
  double dayWithFraction;  // day of month + hour / 24 + minute / 1440
  double jdUT;             // Julian day, Universal Time: angles and house cusps
  double jde;              // Julian day, dynamical time (jdUT + Delta T): bodies and apparent place
};

// Returns the instants of a date and UT time of day, as ComputeChart derives them.
ChartInstants ComputeInstants(double day, double hour, double minute, double month, double year);

// Fills result with the chart of the given date, UT time, place (degrees, east and north
// positive) and house code ('P', 'C', 'K'). Every theory is called in one fixed order: the Sun,
// the Moon, Mercury to Pluto and the mean node at jde and jde + 1 through the apparent place; the
// angles, the Sun-Moon points and the four cusps at the chart instant through the apparent place;
// then the table bodies at jde and jde + 1 as tabulated. A slot without a value holds longitude
// -1.0; no slot ever holds a non-finite value.
void ComputeChart(double day, double hour, double minute, double month, double year, double longitude, double latitude,
                  char houseCode, ChartResult& result);

// Stores the twelve table bodies at jde and jde + 1 as their tables give them, without
// declination, exactly as ComputeChart does; the precise engine shares it.
void StoreTabulatedBodies(ChartResult& result, double jde);

// Returns the chart of an input: the input itself, its instants and the slots as above.
Chart ComputeChart(const ChartInput& input);

}  // namespace caelix

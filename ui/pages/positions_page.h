#pragma once
// The positions page: every body and point of a chart with its sign, degree, minute and motion.
#include <string>

#include "chart/chart_input.h"
#include "chart/chart_result.h"

namespace caelix {

// Returns the positions page of a chart (UTF-8, lines ending "\r\n"):
//   "28.2.2006 17GMT:42.50,"  day.month.year hourGMT:minute, the integers truncated, the minute
//                             with two decimals brought to two digits before the point;
//   "50.08° 14.42°:" and an empty line   latitude and longitude with two decimals;
// then one line per slot Sun to Ixion in BodyId order: the label, a tab and FormatPosition of
// the longitude; for the moving bodies (Sun to the node, the table bodies) a tab and FormatMotion
// to the next day's longitude. The house system's name comes on its own line before "D02", and
// a line "--" before "Lilith"; both go with their slot. PartOfDaimon is not listed, nor any slot
// without a value (longitude -1.0). A body whose next-day longitude has no value (the last day
// of its table) shows its position and no motion column.
std::string BuildPositionsText(const ChartInput& input, const ChartResult& result);

// Returns the date and time that head the page and the wheel, "28.2.2006 17GMT:42.50": the
// integers truncated, the minute with two decimals brought to two digits before the point
// after rounding (9.999 reads 10.00).
std::string HeaderDateText(const ChartInput& input);

// Returns the place that heads the page and the wheel, "50.08° 14.42°": latitude and longitude
// with two decimals, each followed by a degree sign (UTF-8).
std::string HeaderPlaceText(const ChartInput& input);

}  // namespace caelix

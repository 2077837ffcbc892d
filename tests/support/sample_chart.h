#pragma once
// The chart the tests return to: 28 February 2006, 17:42.5 UT, at the default place.
#include "chart/chart_input.h"

namespace caelix::testing {

inline ChartInput SampleInput(int houseIndex = 0) {
  ChartInput in;
  in.day = 28;
  in.month = 2;
  in.year = 2006;
  in.hour = 17;
  in.minute = 42.5;
  in.houseIndex = houseIndex;
  return in;
}

}  // namespace caelix::testing

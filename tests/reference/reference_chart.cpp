#include "reference/reference_chart.h"

#include "reference/reference_engine_bridge.h"

namespace caelix {

ChartResult ReferenceChart(const ChartInput& in) {
  double slots[kBodyCount][4];
  ReferenceEngineChart(in.day, in.hour, in.minute, in.month, in.year, in.longitude, in.latitude, in.houseCode(), slots);
  ChartResult r;
  for (std::size_t i = 0; i < kBodyCount; ++i) {
    r.slots[i] = BodySlot{slots[i][0], slots[i][1], slots[i][2], slots[i][3]};
  }
  return r;
}

}  // namespace caelix

// Compiled into the reference build only, where the namespace of the computation is renamed.
#include "reference/reference_engine_bridge.h"

#include "chart/compute_chart.h"

void ReferenceEngineChart(double day, double hour, double minute, double month, double year, double longitude,
                          double latitude, char houseCode, double (&slots)[34][4]) {
  caelix::ChartResult r;
  caelix::ComputeChart(day, hour, minute, month, year, longitude, latitude, houseCode, r);
  static_assert(caelix::kBodyCount == 34);
  for (std::size_t i = 0; i < caelix::kBodyCount; ++i) {
    slots[i][0] = r.slots[i].longitude;
    slots[i][1] = r.slots[i].declination;
    slots[i][2] = r.slots[i].longitudeNext;
    slots[i][3] = r.slots[i].declinationNext;
  }
}

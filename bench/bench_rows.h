#pragma once
// The fixed, varied set of chart inputs every benchmark uses: 1900 to 2100, all latitudes the
// dialog admits, all three house systems.
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "chart/chart_input.h"

namespace caelix::bench {

inline std::vector<ChartInput> BenchInputs(std::size_t n) {
  std::mt19937_64 rng(20061228);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<ChartInput> v(n);
  for (ChartInput& in : v) {
    in.year = 1900 + static_cast<int>(unit(rng) * 200.0);
    in.month = 1 + static_cast<int>(unit(rng) * 12.0);
    in.day = 1 + static_cast<int>(unit(rng) * 28.0);
    in.hour = static_cast<int>(unit(rng) * 24.0);
    in.minute = static_cast<int>(unit(rng) * 5999.0) / 100.0;
    in.longitude = -180.0 + 360.0 * unit(rng);
    in.latitude = -65.0 + 130.0 * unit(rng);
    in.houseIndex = static_cast<int>(unit(rng) * 3.0);
  }
  return v;
}

// The same inputs as `caelix batch` rows.
inline std::string BenchCsv(const std::vector<ChartInput>& inputs) {
  std::string csv;
  char line[96];
  for (const ChartInput& in : inputs) {
    std::snprintf(line, sizeof line, "%04d-%02d-%02d,%02d:%05.2f,%.3f,%.3f,%c\n", static_cast<int>(in.year),
                  static_cast<int>(in.month), static_cast<int>(in.day), static_cast<int>(in.hour), in.minute,
                  in.longitude, in.latitude, in.houseCode());
    csv += line;
  }
  return csv;
}

}  // namespace caelix::bench

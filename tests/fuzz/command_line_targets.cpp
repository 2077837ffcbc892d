// The command line's inputs: the options of `caelix chart` and one row of `caelix batch`. A
// value is either refused with a reason or in its range, and then gives a sound chart.
#include <cmath>
#include <sstream>
#include <string>

#include "cli/batch_row.h"
#include "cli/chart_command.h"
#include "cli/input_parsing.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

namespace caelix::fuzz {

namespace {

void RequireInRange(const ChartInput& in) {
  CAELIX_FUZZ_REQUIRE(in.year >= -9999 && in.year <= 99999 && in.year == std::trunc(in.year));
  CAELIX_FUZZ_REQUIRE(in.month >= 1 && in.month <= 12);
  CAELIX_FUZZ_REQUIRE(in.day >= 1 && in.day <= DaysInMonth(static_cast<int>(in.year), static_cast<int>(in.month)));
  CAELIX_FUZZ_REQUIRE(in.hour >= 0 && in.hour <= 23);
  CAELIX_FUZZ_REQUIRE(in.minute >= 0.0 && in.minute < 60.0);
  CAELIX_FUZZ_REQUIRE(in.longitude >= -360.0 && in.longitude <= 360.0);
  // Within the polar circles only for Campanus, to ±89.99.
  const bool campanus = in.houseCode() == 'C';
  CAELIX_FUZZ_REQUIRE(campanus ? std::fabs(in.latitude) <= 89.99 : (in.latitude > -66.0 && in.latitude < 66.0));
  CAELIX_FUZZ_REQUIRE(in.houseIndex >= 0 && in.houseIndex <= 2);
}

}  // namespace

int ChartArgumentsTarget(const std::uint8_t* data, std::size_t size) {
  // The first byte says which of the seven options are given; the lines after it are their values.
  if (size == 0) return 0;
  const unsigned given = data[0];
  const std::vector<std::string> lines = SplitLines(data + 1, size - 1);
  ChartOptions options;
  options.dataDir = ScratchDir().string();
  std::optional<std::string>* fields[] = {&options.date,   &options.time,  &options.longitude, &options.latitude,
                                          &options.houses, &options.place, &options.zone};
  for (std::size_t i = 0; i < std::size(fields) && i < lines.size(); ++i) {
    if (given & (1u << i)) *fields[i] = lines[i];
  }
  std::string error;
  const UtcDateTime now{2006, 2, 28, 17, 5, 0};
  const std::optional<ChartInput> in = ResolveChartInput(options, now, error);
  CAELIX_FUZZ_REQUIRE(in.has_value() == error.empty());
  if (!in) return 0;
  RequireInRange(*in);
  RequireSoundChart(*in);
  return 0;
}

int BatchRowTarget(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
  const BatchRow row = ParseBatchRow(line, (data[0] & 1) != 0);
  CAELIX_FUZZ_REQUIRE((row.kind == BatchRowKind::Bad) == !row.error.empty());
  if (row.kind != BatchRowKind::Chart) return 0;
  RequireInRange(row.input);
  RequireSoundChart(row.input);
  return 0;
}

}  // namespace caelix::fuzz

// The command line's inputs: the options of `caelix chart`, the rows of `caelix batch` with or
// without a header, and a whole batch input. A value is either refused with a reason or in its
// range, and then gives a sound chart; what is echoed of it is short and free of control bytes.
#include <cmath>
#include <sstream>
#include <string>

#include "cli/batch_command.h"
#include "cli/batch_row.h"
#include "cli/bounded_line.h"
#include "cli/chart_command.h"
#include "cli/echoed_text.h"
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
  // The first byte says whether the first line is read as the header; the other lines are rows
  // in the layout it gives (the headerless one when it is not a header).
  if (size == 0) return 0;
  const std::vector<std::string> lines = SplitLines(data + 1, size - 1);
  BatchLayout layout = HeaderlessBatchLayout();
  std::size_t first = 0;
  if ((data[0] & 1) != 0) {
    const BatchHeader header = ParseBatchHeader(lines[0]);
    CAELIX_FUZZ_REQUIRE((header.kind == BatchHeaderKind::BadHeader) == !header.error.empty());
    if (header.kind == BatchHeaderKind::BadHeader) return 0;
    if (header.kind == BatchHeaderKind::Header) {
      layout = header.layout;
      first = 1;
      for (std::size_t c = 0; c < kBatchColumnCount; ++c) {
        CAELIX_FUZZ_REQUIRE(layout.field[c] < static_cast<int>(layout.fieldCount));
      }
      // Date, time and houses always; lon and lat unless a place column may give them.
      const auto has = [&layout](BatchColumn c) { return layout.field[static_cast<std::size_t>(c)] >= 0; };
      CAELIX_FUZZ_REQUIRE(has(BatchColumn::Date) && has(BatchColumn::Time) && has(BatchColumn::Houses));
      CAELIX_FUZZ_REQUIRE(has(BatchColumn::Place) || (has(BatchColumn::Longitude) && has(BatchColumn::Latitude)));
    }
  }
  for (std::size_t i = first; i < lines.size(); ++i) {
    BatchRow row = ParseBatchRow(lines[i], layout);
    ResolveBatchRow(row, ClockChoice::Refuse);
    CAELIX_FUZZ_REQUIRE((row.kind == BatchRowKind::Bad) == !row.error.empty());
    CAELIX_FUZZ_REQUIRE(row.error.size() < 1500);  // an unknown place's suggestions among the longest
    CAELIX_FUZZ_REQUIRE(IsPrintableUtf8(row.error));
    CAELIX_FUZZ_REQUIRE(
        !row.id || (layout.field[static_cast<std::size_t>(BatchColumn::Id)] >= 0 && row.id->size() <= kMaxIdBytes));
    if (row.kind != BatchRowKind::Chart) continue;
    RequireInRange(row.input);
    RequireSoundChart(row.input);
  }
  return 0;
}

int BatchInputTarget(const std::uint8_t* data, std::size_t size) {
  // The bytes as the whole standard input of `caelix batch`: every error line names its line and
  // is free of control bytes, every output line is one object.
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  std::ostringstream err;
  BatchOptions options;
  options.threads = 1;
  options.progress = false;
  const int status = RunBatchCommand(options, in, out, err);
  CAELIX_FUZZ_REQUIRE(status == 0 || status == 1);
  CAELIX_FUZZ_REQUIRE((status == 1) == !err.str().empty());
  std::istringstream errors(err.str());
  std::string line;
  while (std::getline(errors, line)) {
    CAELIX_FUZZ_REQUIRE(line.rfind("caelix batch: line ", 0) == 0);
    CAELIX_FUZZ_REQUIRE(line.size() < 600);
    for (const char c : line) CAELIX_FUZZ_REQUIRE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
  }
  std::istringstream charts(out.str());
  while (std::getline(charts, line)) CAELIX_FUZZ_REQUIRE(line.front() == '{' && line.back() == '}');
  return 0;
}

}  // namespace caelix::fuzz

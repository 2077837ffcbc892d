#pragma once
// One row of `caelix batch`: YYYY-MM-DD,HH:MM.mm,lon,lat,H with H one of P, C, K.
#include <string>
#include <string_view>

#include "chart/chart_input.h"
#include "cli/input_parsing.h"

namespace caelix {

enum class BatchRowKind { Chart, Skip, Bad };

struct BatchRow {
  BatchRowKind kind = BatchRowKind::Skip;
  ChartInput input;
  std::string error;  // for a bad row: which field and what it accepts
};

// Parses one input line (without its line end; a trailing '\r' is ignored). A blank line is
// skipped; so is the header, recognised on the first line by a first field that starts with a
// letter. Fields may be surrounded by blanks.
BatchRow ParseBatchRow(std::string_view line, bool firstLine);

}  // namespace caelix

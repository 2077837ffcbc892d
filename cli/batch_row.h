#pragma once
// One row of `caelix batch`, and the header that may name its columns. Without a header a row is
// date,time,lon,lat,houses (YYYY-MM-DD,HH:MM.mm,lon,lat,H with H a house system as `chart` takes
// it). A header names the columns in any order; date, time, lon, lat and houses are required,
// id is optional and carried through to the row's output.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_input.h"
#include "cli/input_parsing.h"

namespace caelix {

// The columns a row can have; a new column is one value here and one row of the column table.
enum class BatchColumn { Date, Time, Longitude, Latitude, Houses, Id, Count };
inline constexpr std::size_t kBatchColumnCount = static_cast<std::size_t>(BatchColumn::Count);

// Where each column stands in a row: its field index, or kAbsent.
struct BatchLayout {
  static constexpr int kAbsent = -1;
  std::array<int, kBatchColumnCount> field{};  // by BatchColumn
  std::size_t fieldCount = 0;
};

// The layout of rows without a header: date,time,lon,lat,houses.
BatchLayout HeaderlessBatchLayout();

enum class BatchHeaderKind { NotHeader, Header, BadHeader };

struct BatchHeader {
  BatchHeaderKind kind = BatchHeaderKind::NotHeader;
  BatchLayout layout;  // for a Header
  std::string error;   // for a BadHeader: the unknown, repeated or missing column
};

// Reads the first line that is not blank (without its line end; a UTF-8 byte-order mark and a
// trailing '\r' are ignored). It is a header when one of its fields names a column (any case;
// lon or longitude, lat or latitude, houses or house); a header that names an unknown column,
// names one twice or leaves out a required one is bad. Any other line is not a header.
BatchHeader ParseBatchHeader(std::string_view line);

enum class BatchRowKind { Chart, Skip, Bad };

struct BatchRow {
  BatchRowKind kind = BatchRowKind::Skip;
  ChartInput input;
  std::optional<std::string> id;  // when the layout has an id column
  std::string error;              // for a bad row: which field and what it accepts
};

// The longest id, in bytes.
inline constexpr std::size_t kMaxIdBytes = 256;

// Parses one input line (without its line end; a trailing '\r' is ignored) in the given layout.
// A blank line is skipped. Fields may be surrounded by blanks.
BatchRow ParseBatchRow(std::string_view line, const BatchLayout& layout);

// Returns line without a leading UTF-8 byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view line);

}  // namespace caelix

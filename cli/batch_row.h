#pragma once
// One row of `caelix batch`, and the header that may name its columns. Without a header a row is
// date,time,lon,lat,houses (YYYY-MM-DD,HH:MM.mm,lon,lat,H with H a house system as `chart` takes
// it). A header names the columns in any order; date, time and houses are required, and lon and
// lat unless there is a place column. The optional columns: id, carried through to the row's
// output; place and tz, which make the date and time a local clock reading resolved as `chart
// --place` and `--tz` resolve it; resolve, which picks a reading of a repeated or skipped time.
// A field in double quotes may hold commas ("Springfield, IL"), "" standing for a quote.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_input.h"
#include "cli/input_parsing.h"
#include "places/birth_data.h"

namespace caelix {

// The columns a row can have; a new column is one value here and one row of the column table.
enum class BatchColumn { Date, Time, Longitude, Latitude, Houses, Id, Place, Zone, Resolve, Count };
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
// lon or longitude, lat or latitude, houses or house, tz or zone); a header that names an unknown
// column, names one twice or leaves out a required one (lon and lat without a place column) is
// bad. Any other line is not a header.
BatchHeader ParseBatchHeader(std::string_view line);

enum class BatchRowKind { Chart, Skip, Bad };

struct BatchRow {
  BatchRowKind kind = BatchRowKind::Skip;
  ChartInput input;                        // its time is UT once the row is resolved
  std::optional<std::string> id;           // when the layout has an id column
  std::optional<BirthDataRequest> local;   // a local time (a place or a tz given), until resolved
  std::optional<ClockChoice> choice;       // the row's resolve field, when not empty
  std::optional<ResolvedBirthData> birth;  // what resolving the local time did
  std::string error;                       // for a bad row: which field and what it accepts
};

// The longest id, in bytes.
inline constexpr std::size_t kMaxIdBytes = 256;

// Parses one input line (without its line end; a trailing '\r' is ignored) in the given layout.
// A blank line is skipped. Fields may be surrounded by blanks.
BatchRow ParseBatchRow(std::string_view line, const BatchLayout& layout);

// Resolves a Chart row's local time, if it has one, as `chart --place`/`--tz` do (ResolveBirthData):
// the row's time becomes UT, its coordinates the place's unless lon or lat override them, and
// birth says what was done. A repeated or skipped time takes the row's resolve field, else
// defaultChoice. A row that cannot be resolved, or whose resolved latitude its house system
// refuses, becomes Bad with chart's message under the field's name ("place: no place of the atlas
// is named ..."). Safe to call from several threads at once.
void ResolveBatchRow(BatchRow& row, ClockChoice defaultChoice);

// Returns line without a leading UTF-8 byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view line);

}  // namespace caelix

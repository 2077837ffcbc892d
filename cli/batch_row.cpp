#include "cli/batch_row.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "cli/echoed_text.h"

namespace caelix {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// Returns the trimmed fields of line, at most maxFields + 1 of them (enough to tell "too many").
std::vector<std::string_view> SplitFields(std::string_view line, std::size_t maxFields) {
  std::vector<std::string_view> fields;
  while (fields.size() <= maxFields) {
    const std::size_t comma = line.find(',');
    fields.push_back(Trim(line.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  return fields;
}

// Each reader takes one trimmed field into row and returns the reason it was refused, or nothing.
using ColumnReader = std::string (*)(std::string_view field, BatchRow& row);

std::string ReadDate(std::string_view field, BatchRow& row) {
  const auto date = ParseDate(field);
  if (!date.value) return date.error;
  row.input.day = date.value->day;
  row.input.month = date.value->month;
  row.input.year = date.value->year;
  return {};
}

std::string ReadTime(std::string_view field, BatchRow& row) {
  const auto time = ParseTime(field);
  if (!time.value) return time.error;
  row.input.hour = time.value->hour;
  row.input.minute = time.value->minute;
  return {};
}

std::string ReadLongitude(std::string_view field, BatchRow& row) {
  const auto v = ParseLongitude(field);
  if (!v.value) return v.error;
  row.input.longitude = *v.value;
  return {};
}

std::string ReadLatitude(std::string_view field, BatchRow& row) {
  const auto v = ParseLatitude(field);
  if (!v.value) return v.error;
  row.input.latitude = *v.value;
  return {};
}

std::string ReadHouses(std::string_view field, BatchRow& row) {
  const auto h = ParseHouseSystem(field);
  if (!h.value) return h.error;
  row.input.houseIndex = *h.value;
  return {};
}

std::string ReadId(std::string_view field, BatchRow& row) {
  if (field.size() > kMaxIdBytes || !IsPrintableUtf8(field)) {
    return QuotedEcho(field) + " is not an id (printable UTF-8 text of at most " + std::to_string(kMaxIdBytes) +
           " bytes)";
  }
  row.id = std::string(field);
  return {};
}

struct ColumnRule {
  BatchColumn column;
  std::array<std::string_view, 2> names;  // as a header names it; the first is the one messages use
  bool required;
  const char* what;  // the field in error messages
  ColumnReader read;
};

// The columns in the order of a row without a header.
constexpr ColumnRule kColumns[] = {
    {BatchColumn::Date, {"date", ""}, true, "date", ReadDate},
    {BatchColumn::Time, {"time", ""}, true, "time", ReadTime},
    {BatchColumn::Longitude, {"lon", "longitude"}, true, "longitude", ReadLongitude},
    {BatchColumn::Latitude, {"lat", "latitude"}, true, "latitude", ReadLatitude},
    {BatchColumn::Houses, {"houses", "house"}, true, "house system", ReadHouses},
    {BatchColumn::Id, {"id", ""}, false, "id", ReadId},
};
static_assert(std::size(kColumns) == kBatchColumnCount);

const ColumnRule* ColumnNamed(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  for (const ColumnRule& rule : kColumns) {
    if (std::find(rule.names.begin(), rule.names.end(), lower) != rule.names.end() && !lower.empty()) return &rule;
  }
  return nullptr;
}

std::string ColumnList() {
  std::string list;
  for (const ColumnRule& rule : kColumns) list += std::string(list.empty() ? "" : ", ") + std::string(rule.names[0]);
  return list;
}

// The layout's columns in row order, as a header would name them: "date,time,lon,lat,houses".
std::string LayoutText(const BatchLayout& layout) {
  std::vector<std::string_view> names(layout.fieldCount);
  for (const ColumnRule& rule : kColumns) {
    const int at = layout.field[static_cast<std::size_t>(rule.column)];
    if (at != BatchLayout::kAbsent) names[static_cast<std::size_t>(at)] = rule.names[0];
  }
  std::string text;
  for (const std::string_view n : names) text += std::string(text.empty() ? "" : ",") + std::string(n);
  return text;
}

BatchRow Bad(std::string error) {
  BatchRow r;
  r.kind = BatchRowKind::Bad;
  r.error = std::move(error);
  return r;
}

}  // namespace

BatchLayout HeaderlessBatchLayout() {
  BatchLayout layout;
  layout.field.fill(BatchLayout::kAbsent);
  for (const ColumnRule& rule : kColumns) {
    if (rule.required) layout.field[static_cast<std::size_t>(rule.column)] = static_cast<int>(layout.fieldCount++);
  }
  return layout;
}

std::string_view WithoutByteOrderMark(std::string_view line) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (line.substr(0, kMark.size()) == kMark) line.remove_prefix(kMark.size());
  return line;
}

BatchHeader ParseBatchHeader(std::string_view line) {
  const std::vector<std::string_view> fields = SplitFields(Trim(WithoutByteOrderMark(line)), kBatchColumnCount * 4);
  if (std::none_of(fields.begin(), fields.end(), [](std::string_view f) { return ColumnNamed(f) != nullptr; })) {
    return {};
  }
  BatchHeader header;
  header.kind = BatchHeaderKind::BadHeader;
  header.layout.field.fill(BatchLayout::kAbsent);
  for (const std::string_view name : fields) {
    const ColumnRule* rule = ColumnNamed(name);
    if (rule == nullptr) {
      header.error = "header: " + QuotedEcho(name) + " is not a column (" + ColumnList() + ")";
      return header;
    }
    int& at = header.layout.field[static_cast<std::size_t>(rule->column)];
    if (at != BatchLayout::kAbsent) {
      header.error = "header: column " + std::string(rule->names[0]) + " named twice";
      return header;
    }
    at = static_cast<int>(header.layout.fieldCount++);
  }
  for (const ColumnRule& rule : kColumns) {
    if (rule.required && header.layout.field[static_cast<std::size_t>(rule.column)] == BatchLayout::kAbsent) {
      header.error = "header: column " + std::string(rule.names[0]) + " is missing";
      return header;
    }
  }
  header.kind = BatchHeaderKind::Header;
  return header;
}

BatchRow ParseBatchRow(std::string_view line, const BatchLayout& layout) {
  line = Trim(line);
  if (line.empty()) return {};
  const std::vector<std::string_view> fields = SplitFields(line, layout.fieldCount);
  const std::string count = std::to_string(layout.fieldCount);
  if (fields.size() > layout.fieldCount) return Bad("more than " + count + " fields (" + LayoutText(layout) + ")");
  if (fields.size() != layout.fieldCount) {
    return Bad("expected " + count + " fields " + LayoutText(layout) + ", got " + std::to_string(fields.size()));
  }
  BatchRow row;
  row.kind = BatchRowKind::Chart;
  for (const ColumnRule& rule : kColumns) {
    const int at = layout.field[static_cast<std::size_t>(rule.column)];
    if (at == BatchLayout::kAbsent) continue;
    const std::string error = rule.read(fields[static_cast<std::size_t>(at)], row);
    if (!error.empty()) return Bad(std::string(rule.what) + ": " + error);
  }
  return row;
}

}  // namespace caelix

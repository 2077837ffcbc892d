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

struct SplitLine {
  std::vector<std::string> fields;
  std::string error;  // a quote left open, or text after a closing quote
};

// Returns the trimmed fields of line, at most maxFields + 1 of them (enough to tell "too many").
// A field whose first character is a double quote runs to the closing one and may hold commas,
// "" standing for a quote within it, as spreadsheets write "Paris, FR"; a quote anywhere else is
// text (the seconds of 40°25'01"N).
SplitLine SplitFields(std::string_view line, std::size_t maxFields) {
  SplitLine split;
  while (split.fields.size() <= maxFields) {
    std::string_view rest = Trim(line);
    if (rest.empty() || rest.front() != '"') {
      const std::size_t comma = line.find(',');
      split.fields.emplace_back(Trim(line.substr(0, comma)));
      if (comma == std::string_view::npos) break;
      line.remove_prefix(comma + 1);
      continue;
    }
    std::string field;
    std::size_t at = 1;
    for (;; ++at) {
      if (at >= rest.size()) {
        split.error = "field " + std::to_string(split.fields.size() + 1) + ": a quote is not closed";
        return split;
      }
      if (rest[at] != '"') {
        field += rest[at];
      } else if (at + 1 < rest.size() && rest[at + 1] == '"') {
        field += '"';
        ++at;
      } else {
        break;
      }
    }
    split.fields.push_back(std::move(field));
    rest = Trim(rest.substr(at + 1));
    if (rest.empty()) break;
    if (rest.front() != ',') {
      split.error = "field " + std::to_string(split.fields.size()) + ": text after the closing quote";
      return split;
    }
    line = rest.substr(1);
  }
  return split;
}

// What the readers gather from one row: the row, and the texts of a local time to resolve.
struct RowFields {
  BatchRow row;
  BirthDataRequest request;
};

// Each reader takes one trimmed field into fields and returns the reason it was refused, or nothing.
using ColumnReader = std::string (*)(std::string_view field, RowFields& fields);

std::string ReadDate(std::string_view field, RowFields& fields) {
  const auto date = ParseDate(field);
  if (!date.value) return date.error;
  fields.row.input.day = date.value->day;
  fields.row.input.month = date.value->month;
  fields.row.input.year = date.value->year;
  return {};
}

std::string ReadTime(std::string_view field, RowFields& fields) {
  const auto time = ParseTime(field);
  if (!time.value) return time.error;
  fields.row.input.hour = time.value->hour;
  fields.row.input.minute = time.value->minute;
  return {};
}

// An empty coordinate is left to the place, when the row has one (checked once all are read).
std::string ReadLongitude(std::string_view field, RowFields& fields) {
  if (field.empty()) return {};
  const auto v = ParseLongitude(field);
  if (!v.value) return v.error;
  fields.row.input.longitude = *v.value;
  fields.request.longitude = std::string(field);
  return {};
}

std::string ReadLatitude(std::string_view field, RowFields& fields) {
  if (field.empty()) return {};
  const auto v = ParseLatitude(field);
  if (!v.value) return v.error;
  fields.row.input.latitude = *v.value;
  fields.request.latitude = std::string(field);
  return {};
}

std::string ReadHouses(std::string_view field, RowFields& fields) {
  const auto h = ParseHouseSystem(field);
  if (!h.value) return h.error;
  fields.row.input.houseIndex = *h.value;
  return {};
}

std::string ReadId(std::string_view field, RowFields& fields) {
  if (field.size() > kMaxIdBytes || !IsPrintableUtf8(field)) {
    return QuotedEcho(field) + " is not an id (printable UTF-8 text of at most " + std::to_string(kMaxIdBytes) +
           " bytes)";
  }
  fields.row.id = std::string(field);
  return {};
}

// The place and the zone are checked when the row is resolved; an empty one is not given.
std::string ReadPlace(std::string_view field, RowFields& fields) {
  if (field.empty()) return {};
  if (const auto refusal = CheckPlaceOrZoneText(field, "place name")) return *refusal;
  fields.request.place = std::string(field);
  return {};
}

std::string ReadZone(std::string_view field, RowFields& fields) {
  if (field.empty()) return {};
  if (const auto refusal = CheckPlaceOrZoneText(field, "zone")) return *refusal;
  fields.request.zone = std::string(field);
  return {};
}

std::string ReadResolve(std::string_view field, RowFields& fields) {
  if (field.empty()) return {};
  if (SameIgnoringCase(field, "earlier")) {
    fields.row.choice = ClockChoice::Earlier;
  } else if (SameIgnoringCase(field, "later")) {
    fields.row.choice = ClockChoice::Later;
  } else {
    return QuotedEcho(field) + " is not earlier, later or empty";
  }
  return {};
}

// Whether a header must name a column.
enum class Need {
  Always,
  UnlessPlace,  // lon and lat: a place column may give them
  Optional,
};

struct ColumnRule {
  BatchColumn column;
  std::array<std::string_view, 2> names;  // as a header names it; the first is the one messages use
  Need need;
  const char* what;  // the field in error messages
  ColumnReader read;
};

// The columns in the order of a row without a header (the ones a header must name, first).
constexpr ColumnRule kColumns[] = {
    {BatchColumn::Date, {"date", ""}, Need::Always, "date", ReadDate},
    {BatchColumn::Time, {"time", ""}, Need::Always, "time", ReadTime},
    {BatchColumn::Longitude, {"lon", "longitude"}, Need::UnlessPlace, "longitude", ReadLongitude},
    {BatchColumn::Latitude, {"lat", "latitude"}, Need::UnlessPlace, "latitude", ReadLatitude},
    {BatchColumn::Houses, {"houses", "house"}, Need::Always, "house system", ReadHouses},
    {BatchColumn::Id, {"id", ""}, Need::Optional, "id", ReadId},
    {BatchColumn::Place, {"place", ""}, Need::Optional, "place", ReadPlace},
    {BatchColumn::Zone, {"tz", "zone"}, Need::Optional, "tz", ReadZone},
    {BatchColumn::Resolve, {"resolve", ""}, Need::Optional, "resolve", ReadResolve},
};
static_assert(std::size(kColumns) == kBatchColumnCount);

// What a resolution error's field prefix is called in a batch message ("lon: " is "longitude: ").
std::string BirthDataError(const std::string& error) {
  static constexpr struct {
    std::string_view field;
    std::string_view what;
  } kFields[] = {{"place: ", "place: "},  {"tz: ", "tz: "},     {"lon: ", "longitude: "},
                 {"lat: ", "latitude: "}, {"time: ", "time: "}, {"clock: ", "time: "}};
  for (const auto& f : kFields) {
    if (!error.starts_with(f.field)) continue;
    std::string message = std::string(f.what) + error.substr(f.field.size());
    if (f.field == "clock: ") message += "; pick one with a resolve column or --resolve earlier or --resolve later";
    return message;
  }
  return error;
}

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
    if (rule.need != Need::Optional)
      layout.field[static_cast<std::size_t>(rule.column)] = static_cast<int>(layout.fieldCount++);
  }
  return layout;
}

std::string_view WithoutByteOrderMark(std::string_view line) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (line.substr(0, kMark.size()) == kMark) line.remove_prefix(kMark.size());
  return line;
}

BatchHeader ParseBatchHeader(std::string_view line) {
  const std::vector<std::string> fields = SplitFields(Trim(WithoutByteOrderMark(line)), kBatchColumnCount * 4).fields;
  if (std::none_of(fields.begin(), fields.end(), [](const std::string& f) { return ColumnNamed(f) != nullptr; })) {
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
  const bool placeColumn = header.layout.field[static_cast<std::size_t>(BatchColumn::Place)] != BatchLayout::kAbsent;
  for (const ColumnRule& rule : kColumns) {
    const bool needed = rule.need == Need::Always || (rule.need == Need::UnlessPlace && !placeColumn);
    if (needed && header.layout.field[static_cast<std::size_t>(rule.column)] == BatchLayout::kAbsent) {
      header.error = "header: column " + std::string(rule.names[0]) + " is missing" +
                     (rule.need == Need::UnlessPlace ? " (or name a place column)" : "");
      return header;
    }
  }
  header.kind = BatchHeaderKind::Header;
  return header;
}

BatchRow ParseBatchRow(std::string_view line, const BatchLayout& layout) {
  line = Trim(line);
  if (line.empty()) return {};
  const SplitLine split = SplitFields(line, layout.fieldCount);
  if (!split.error.empty()) return Bad(split.error);
  const std::vector<std::string>& fields = split.fields;
  const std::string count = std::to_string(layout.fieldCount);
  if (fields.size() > layout.fieldCount) return Bad("more than " + count + " fields (" + LayoutText(layout) + ")");
  if (fields.size() != layout.fieldCount) {
    return Bad("expected " + count + " fields " + LayoutText(layout) + ", got " + std::to_string(fields.size()));
  }
  RowFields gathered;
  gathered.row.kind = BatchRowKind::Chart;
  for (const ColumnRule& rule : kColumns) {
    const int at = layout.field[static_cast<std::size_t>(rule.column)];
    if (at == BatchLayout::kAbsent) continue;
    const std::string error = rule.read(fields[static_cast<std::size_t>(at)], gathered);
    if (!error.empty()) return Bad(std::string(rule.what) + ": " + error);
  }
  BatchRow& row = gathered.row;
  BirthDataRequest& request = gathered.request;
  if (request.place || request.zone) {
    // A local time: the coordinates may come from the place; resolved later, on the threads.
    if (!request.place && !request.longitude) return Bad("longitude: give one, or a place");
    if (!request.place && !request.latitude) return Bad("latitude: give one, or a place");
    const ChartInput& in = row.input;
    request.local = {static_cast<int>(in.year), static_cast<int>(in.month), static_cast<int>(in.day),
                     static_cast<int>(in.hour), in.minute};
    row.local = std::move(request);
    return row;
  }
  if (row.choice) return Bad("resolve: applies to a local time, with a place or a tz");
  if (!request.longitude) return Bad("longitude: " + ParseLongitude("").error);
  if (!request.latitude) return Bad("latitude: " + ParseLatitude("").error);
  if (const auto refusal = CheckLatitudeForHouses(row.input.latitude, row.input.houseIndex)) {
    return Bad("latitude: " + *refusal);
  }
  return row;
}

void ResolveBatchRow(BatchRow& row, ClockChoice defaultChoice) {
  if (row.kind != BatchRowKind::Chart || !row.local) return;
  BirthDataRequest request = *row.local;
  request.choice = row.choice.value_or(defaultChoice);
  const BirthDataResult r = ResolveBirthData(request);
  if (!r.value) {
    row = Bad(BirthDataError(r.error));
    return;
  }
  ChartInput& in = row.input;
  in.year = r.value->ut.year;
  in.month = r.value->ut.month;
  in.day = r.value->ut.day;
  in.hour = r.value->ut.hour;
  in.minute = r.value->ut.minute;
  in.longitude = r.value->longitudeDeg;
  in.latitude = r.value->latitudeDeg;
  if (const auto refusal = CheckLatitudeForHouses(in.latitude, in.houseIndex)) {
    row = Bad((request.latitude || !request.place ? "latitude: " : "place: ") + *refusal);
    return;
  }
  row.birth = r.value;
}

}  // namespace caelix

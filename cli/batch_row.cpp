#include "cli/batch_row.h"

#include <array>
#include <cctype>

namespace caelix {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

BatchRow Bad(std::string error) {
  BatchRow r;
  r.kind = BatchRowKind::Bad;
  r.error = std::move(error);
  return r;
}

}  // namespace

BatchRow ParseBatchRow(std::string_view line, bool firstLine) {
  line = Trim(line);
  if (line.empty()) return {};
  if (firstLine && std::isalpha(static_cast<unsigned char>(line.front()))) return {};

  std::array<std::string_view, 5> fields;
  std::size_t count = 0;
  while (true) {
    const std::size_t comma = line.find(',');
    if (count == fields.size()) return Bad("more than 5 fields (date,time,lon,lat,house)");
    fields[count++] = Trim(line.substr(0, comma));
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  if (count != fields.size()) return Bad("expected 5 fields date,time,lon,lat,house, got " + std::to_string(count));

  BatchRow row;
  row.kind = BatchRowKind::Chart;
  const auto date = ParseDate(fields[0]);
  if (!date.value) return Bad("date: " + date.error);
  const auto time = ParseTime(fields[1]);
  if (!time.value) return Bad("time: " + time.error);
  const auto lon = ParseLongitude(fields[2]);
  if (!lon.value) return Bad("longitude: " + lon.error);
  const auto lat = ParseLatitude(fields[3]);
  if (!lat.value) return Bad("latitude: " + lat.error);
  const auto house = fields[4].size() == 1 ? HouseSystemOfCode(fields[4].front()) : std::nullopt;
  if (!house) return Bad("house system: '" + std::string(fields[4]) + "' is not " + HouseSystemCodesText());

  row.input.day = date.value->day;
  row.input.month = date.value->month;
  row.input.year = date.value->year;
  row.input.hour = time.value->hour;
  row.input.minute = time.value->minute;
  row.input.longitude = *lon.value;
  row.input.latitude = *lat.value;
  row.input.houseIndex = house->index;
  return row;
}

}  // namespace caelix

#include "cli/chart_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <ostream>

#include "app/stored_files.h"
#include "chart/compute_chart.h"
#include "cli/chart_json.h"
#include "cli/input_parsing.h"

namespace caelix {

CLI::App* AddChartCommand(CLI::App& app, ChartOptions& options) {
  CLI::App* chart = app.add_subcommand("chart", "Compute one chart and print it");
  chart->add_option("--date", options.date, "Date YYYY-MM-DD, astronomical year -9999 to 99999 (default: today, UT)")
      ->allow_extra_args(false);
  chart->add_option("--time", options.time, "UT time HH:MM[.fraction] or HH:MM:SS (default: now)");
  chart->add_option("--lon", options.longitude,
                    "Longitude in degrees, east positive, -360 to 360 (default: stored place)");
  chart->add_option("--lat", options.latitude,
                    "Latitude in degrees, north positive, between -66 and 66 (default: stored place)");
  chart->add_option("--houses", options.houses, "House system: placidus, campanus, koch, P, C or K (default: stored)");
  chart->add_flag("--json", options.json, "Print the chart as one JSON object");
  chart->add_option("--data-dir", options.dataDir, "Folder of the stored place and house system (default: .)");
  return chart;
}

std::optional<ChartInput> ResolveChartInput(const ChartOptions& options, const UtcDateTime& now, std::string& error) {
  ChartInput in;
  in.day = now.day;
  in.month = now.month;
  in.year = now.year;
  in.hour = now.hour;
  in.minute = now.second * (1.0 / 60.0) + now.minute;
  in.longitude = kDefaultLongitude;
  in.latitude = kDefaultLatitude;
  LoadPlace(options.dataDir, in.longitude, in.latitude);
  in.houseIndex = 0;
  LoadHouseIndex(options.dataDir, in.houseIndex);

  auto fail = [&error](const char* option, const std::string& why) {
    error = std::string("caelix chart: ") + option + ": " + why;
    return std::nullopt;
  };
  if (options.date) {
    const auto d = ParseDate(*options.date);
    if (!d.value) return fail("--date", d.error);
    in.day = d.value->day;
    in.month = d.value->month;
    in.year = d.value->year;
  }
  if (options.time) {
    const auto t = ParseTime(*options.time);
    if (!t.value) return fail("--time", t.error);
    in.hour = t.value->hour;
    in.minute = t.value->minute;
  }
  if (options.longitude) {
    const auto v = ParseLongitude(*options.longitude);
    if (!v.value) return fail("--lon", v.error);
    in.longitude = *v.value;
  }
  if (options.latitude) {
    const auto v = ParseLatitude(*options.latitude);
    if (!v.value) return fail("--lat", v.error);
    in.latitude = *v.value;
  }
  if (options.houses) {
    const auto h = ParseHouseSystem(*options.houses);
    if (!h.value) return fail("--houses", h.error);
    in.houseIndex = *h.value;
  }
  return in;
}

namespace {

void PrintSlots(const ChartResult& result, std::ostream& out) {
  char line[160];
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    const auto id = static_cast<BodyId>(i);
    const BodySlot& s = result[id];
    if (s.longitude == kNoLongitude) continue;
    const std::string label(BodyLabel(id));
    if (IsTableBody(id)) {
      std::snprintf(line, sizeof line, "%-12s %9.4f", label.c_str(), s.longitude);
      out << line;
      if (s.longitudeNext != kNoLongitude) {
        std::snprintf(line, sizeof line, "            %9.4f", s.longitudeNext);
        out << line;
      }
    } else if (IsSingleInstant(id)) {
      std::snprintf(line, sizeof line, "%-12s %9.4f %9.4f", label.c_str(), s.longitude, s.declination);
      out << line;
    } else {
      std::snprintf(line, sizeof line, "%-12s %9.4f %9.4f %9.4f %9.4f", label.c_str(), s.longitude, s.declination,
                    s.longitudeNext, s.declinationNext);
      out << line;
    }
    out << '\n';
  }
}

}  // namespace

int RunChartCommand(const ChartOptions& options, std::ostream& out, std::ostream& err) {
  std::string error;
  const auto input = ResolveChartInput(options, CurrentUtc(), error);
  if (!input) {
    err << error << '\n';
    return 2;
  }
  const ChartInstants instants = ComputeInstants(input->day, input->hour, input->minute, input->month, input->year);
  const ChartResult result = ComputeChart(*input);
  if (options.json) {
    out << ChartToJson(*input, instants, result).dump() << '\n';
  } else {
    PrintSlots(result, out);
  }
  return 0;
}

}  // namespace caelix

#include "cli/chart_command.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string_view>

#include "app/stored_files.h"
#include "chart/precise_chart.h"
#include "cli/chart_json.h"
#include "cli/completion.h"
#include "cli/echoed_text.h"
#include "cli/input_parsing.h"
#include "cli/option_checks.h"
#include "platform/binary_file.h"
#include "platform/data_folder.h"
#include "platform/png_raster.h"
#include "ui/pages/page_list.h"

namespace caelix {

namespace {

// The two readings --resolve picks between.
constexpr const char* kResolveEarlier = "earlier";
constexpr const char* kResolveLater = "later";

// Returns the page names joined by ", ", as the help and the errors list them.
std::string PageNames() {
  std::string names;
  for (const PageInfo& p : kPages) names.append(names.empty() ? "" : ", ").append(p.key);
  return names;
}

// The values --page and --houses accept as the completion offers them: "{positions,...,all}",
// "{placidus,campanus,koch,P,C,K}".
std::string PageChoices() {
  std::string text;
  for (const PageInfo& p : kPages) text.append(text.empty() ? "{" : ",").append(p.key);
  return text + ",all}";
}

std::string HouseChoices() {
  std::string names;
  std::string codes;
  for (const HouseSystemInfo& h : kHouseSystems) {
    names += names.empty() ? "{" : ",";
    for (const char c : h.name) names += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    codes += std::string(",") + h.code;
  }
  return names + codes + "}";
}

}  // namespace

CLI::App* AddChartCommand(CLI::App& app, ChartOptions& options) {
  CLI::App* chart = app.add_subcommand("chart", "Compute one chart and print it");
  chart->add_option("--date", options.date, "Date YYYY-MM-DD, astronomical year -9999 to 99999 (default: today, UT)")
      ->allow_extra_args(false);
  chart->add_option("--time", options.time,
                    "Time HH:MM[.fraction] or HH:MM:SS: UT, or the local clock with --tz or --place (default: now)");
  chart->add_option("--place", options.place,
                    "Birth town from the built-in atlas, e.g. Madrid, \"Paris, FR\", \"Springfield, IL\": fills the "
                    "longitude, latitude and zone (see caelix places)");
  chart->add_option("--tz", options.zone,
                    "Zone of --date and --time: UT (default without --place), a fixed offset (+05:30, UTC-3), LMT "
                    "(the place's mean time) or an IANA name (Europe/Madrid; default with --place: the place's)");
  chart
      ->add_option("--resolve", options.resolve,
                   "For a local time that occurs twice or never (daylight saving changes): take the earlier or the "
                   "later of its two UT readings (default: refuse and name both)")
      ->check(CLI::IsMember({kResolveEarlier, kResolveLater}));
  chart->add_option("--lon", options.longitude,
                    std::string("Longitude, east positive, ") + std::string(kLongitudeRangeText) +
                        ": -3.7038, 3°42'W or 3W42 (default: the place's, else the stored place)");
  chart->add_option("--lat", options.latitude,
                    std::string("Latitude, north positive: 40.4168, 40°25'N or 40N25; ") +
                        std::string(kLatitudeRangeText) + ", or " + std::string(kPolarLatitudeRangeText) + " for " +
                        std::string(HouseSystemOfCode(kPolarHouseSystemCode)->name) +
                        " (default: the place's, else the stored place)");
  chart->add_option("--houses", options.houses, "House system: " + HouseSystemChoicesText() + " (default: stored)")
      ->type_name(HouseChoices());
  chart
      ->add_option("--page", options.page,
                   "Result page to print: " + PageNames() +
                       " (the first is the default), or all (the four in that order, an empty line between two)")
      ->type_name(PageChoices());
  chart->add_flag("--json", options.json,
                  "Print the chart as one JSON object: input, instants, bodies and the texts of all four pages");
  chart
      ->add_option("--data-dir", options.dataDir,
                   "Folder of the stored place and house system (default: $XDG_CONFIG_HOME/caelix, else "
                   "~/.config/caelix)")
      ->check(CLI::Validator(CLI::ExistingDirectory).description(""))
      ->type_name(kFolderValue);
  chart->add_option("--svg", options.svgFile, "Also write the chart wheel to this file as SVG")->type_name(kFileValue);
  chart->add_option("--png", options.pngFile, "Also write the chart wheel to this file as PNG")->type_name(kFileValue);
  chart->add_option("--size", options.pictureSize, "Side of the wheel in pixels, 64 to 8192 (default: 480)")
      ->transform(DecimalDigits())
      ->check(CLI::Range(kMinSvgSize, kMaxSvgSize));
  chart->add_option("--style", options.style,
                    "Wheel style: modern (default; degrees, all houses and bodies, aspect lines) or classic "
                    "(the chart window's)");
  chart->add_option("--theme", options.theme, "Colours of the modern wheel: light (default), dark or print");
  chart->add_option("--points", options.points,
                    "Bodies the modern wheel draws, comma-separated: all (default), planets, points (node, "
                    "Vertex, Part of Fortune), tables (the table bodies), or bodies by name or label (Chiron, So)");
  chart->add_option("--aspects", options.aspects,
                    "Aspect lines of the modern wheel, comma-separated: major (default: 0, 180, 90, 120, 60), "
                    "all, none, hard, soft, minor, or angles of the aspects page's table (150, 72)");
  chart->add_option("--name", options.name, "Name in the modern wheel's header");
  chart->add_flag("--table", options.table, "A table of positions beside the modern wheel");
  chart
      ->add_option("--engine", options.engine,
                   "Engine: precise (default; VSOP87D, ELP/MPP02 and the IAU 2006/2000B frame, 21 January 1800 "
                   "to 7 February 2100, the classic engine outside) or classic (the original computation)")
      ->check(CLI::IsMember({"precise", "classic"}));
  return chart;
}

namespace {

// The option a resolution error names by its field prefix ("place: ...").
std::string BirthDataError(const std::string& error) {
  static constexpr struct {
    std::string_view field;
    const char* option;
  } kFields[] = {{"place: ", "--place"}, {"tz: ", "--tz"},     {"lon: ", "--lon"},
                 {"lat: ", "--lat"},     {"time: ", "--time"}, {"clock: ", "--time"}};
  for (const auto& f : kFields) {
    if (error.starts_with(f.field)) {
      std::string message = std::string("caelix chart: ") + f.option + ": " + error.substr(f.field.size());
      if (f.field == "clock: ") message += "; pick one with --resolve earlier or --resolve later";
      return message;
    }
  }
  return "caelix chart: " + error;
}

}  // namespace

std::optional<ChartInput> ResolveChartInput(const ChartOptions& options, const UtcDateTime& now, std::string& error,
                                            std::optional<ResolvedBirthData>* birth) {
  ChartInput in;
  in.day = now.day;
  in.month = now.month;
  in.year = now.year;
  in.hour = now.hour;
  in.minute = now.second * (1.0 / 60.0) + now.minute;
  in.longitude = kDefaultLongitude;
  in.latitude = kDefaultLatitude;
  in.houseIndex = 0;
  if (options.storedDefaults) {
    const auto folder = options.dataDir ? std::optional<std::filesystem::path>(*options.dataDir) : DefaultDataFolder();
    if (folder) {
      LoadPlace(*folder, in.longitude, in.latitude);
      LoadHouseIndex(*folder, in.houseIndex);
    }
  }

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
  if (options.houses) {
    const auto h = ParseHouseSystem(*options.houses);
    if (!h.value) return fail("--houses", h.error);
    in.houseIndex = *h.value;
  }
  // CLI11 checks this on the command line; the web API's requests come here unchecked.
  if (options.resolve && *options.resolve != kResolveEarlier && *options.resolve != kResolveLater) {
    return fail("--resolve", std::string("one of ") + kResolveEarlier + ", " + kResolveLater);
  }
  if (options.place) {
    if (const auto refusal = CheckPlaceOrZoneText(*options.place, "place name")) return fail("--place", *refusal);
  }
  if (options.zone) {
    if (const auto refusal = CheckPlaceOrZoneText(*options.zone, "zone")) return fail("--tz", *refusal);
  }
  if (options.place || options.zone) {
    if (!options.date || !options.time) {
      return fail(options.place ? "--place" : "--tz", "give the local clock with --date and --time");
    }
    BirthDataRequest request;
    request.local = {static_cast<int>(in.year), static_cast<int>(in.month), static_cast<int>(in.day),
                     static_cast<int>(in.hour), in.minute};
    request.place = options.place;
    request.zone = options.zone;
    request.longitude = options.longitude;
    request.latitude = options.latitude;
    request.fallbackLongitudeDeg = in.longitude;
    request.fallbackLatitudeDeg = in.latitude;
    if (options.resolve)
      request.choice = *options.resolve == kResolveEarlier ? ClockChoice::Earlier : ClockChoice::Later;
    const BirthDataResult r = ResolveBirthData(request);
    if (!r.value) {
      error = BirthDataError(r.error);
      return std::nullopt;
    }
    in.year = r.value->ut.year;
    in.month = r.value->ut.month;
    in.day = r.value->ut.day;
    in.hour = r.value->ut.hour;
    in.minute = r.value->ut.minute;
    in.longitude = r.value->longitudeDeg;
    in.latitude = r.value->latitudeDeg;
    if (birth) *birth = r.value;
  } else {
    if (options.resolve) return fail("--resolve", "applies to a local time, with --tz or --place");
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
  }
  if (const auto refusal = CheckLatitudeForHouses(in.latitude, in.houseIndex)) {
    return fail(options.latitude || !options.place ? "--lat" : "--place", *refusal);
  }
  return in;
}

namespace {

// The longest name the header takes.
constexpr std::size_t kMaxNameBytes = 200;

// What --page asks for: one page, or all four (nothing).
struct PageChoice {
  std::optional<Page> page;
};

// Returns the choice a --page value names (any case), or nothing.
std::optional<PageChoice> ParsePage(std::string_view text) {
  if (SameIgnoringCase(text, "all")) return PageChoice{};
  if (const auto page = PageNamed(text)) return PageChoice{page};
  return std::nullopt;
}

// The page text with the terminal's line ends: each "\r\n" becomes "\n".
std::string TerminalLines(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

// Prints one page, or all four in the order of the result dialog's buttons with an empty line
// between two.
void PrintPages(const PageChoice& choice, const Chart& chart, std::ostream& out) {
  if (choice.page) {
    out << TerminalLines(BuildPage(*choice.page, chart.input, chart.slots));
    return;
  }
  for (const PageInfo& p : kPages) {
    if (p.page != kPages.front().page) out << '\n';
    out << TerminalLines(BuildPage(p.page, chart.input, chart.slots));
  }
}

// Writes bytes to the file at path, replacing it whole or not at all; on failure says so on err
// with the system's reason, naming the option, and returns false.
bool WriteOutputFile(const std::string& path, const std::string& bytes, const char* option, std::ostream& err) {
  const std::error_code failure = ReplaceFileContent(path, bytes);
  if (failure) {
    err << "caelix chart: " << option << ": cannot write " << EscapedEcho(path, kPathEchoCharacters) << ": "
        << failure.message() << '\n';
    return false;
  }
  return true;
}

}  // namespace

std::optional<WheelPictureOptions> ResolvePictureOptions(const ChartOptions& options, std::string& error) {
  auto fail = [&error](const char* option, const std::string& why) {
    error = std::string("caelix chart: ") + option + ": " + why;
    return std::nullopt;
  };
  WheelPictureOptions picture;
  const bool drawn = options.svgFile || options.pngFile;
  const std::pair<const char*, bool> given[] = {{"--size", options.pictureSize.has_value()},
                                                {"--style", options.style.has_value()},
                                                {"--theme", options.theme.has_value()},
                                                {"--points", options.points.has_value()},
                                                {"--aspects", options.aspects.has_value()},
                                                {"--name", options.name.has_value()},
                                                {"--table", options.table}};
  for (const auto& [option, set] : given) {
    if (set && !drawn) return fail(option, "needs --svg or --png");
  }
  if (options.pictureSize) picture.modern.size = *options.pictureSize;
  if (options.style) {
    std::string lower(*options.style);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "classic") {
      picture.style = WheelStyle::Classic;
    } else if (lower != "modern") {
      return fail("--style", "one of modern, classic");
    }
  }
  if (picture.style == WheelStyle::Classic) {
    for (std::size_t k = 2; k < std::size(given); ++k) {
      if (given[k].second) return fail(given[k].first, "only for the modern wheel, not --style classic");
    }
  }
  if (options.theme) {
    const auto theme = ParseWheelTheme(*options.theme);
    if (!theme) return fail("--theme", "one of light, dark, print");
    picture.theme = *theme;
  }
  std::string why;
  if (options.points) {
    const auto points = ParsePointSelection(*options.points, why);
    if (!points) return fail("--points", why);
    picture.modern.points = *points;
  }
  if (options.aspects) {
    const auto aspects = ParseAspectSelection(*options.aspects, why);
    if (!aspects) return fail("--aspects", why);
    picture.modern.aspects = *aspects;
  }
  if (options.name) {
    if (!IsPrintableUtf8(*options.name)) return fail("--name", "must be UTF-8 text without control characters");
    if (options.name->size() > kMaxNameBytes) return fail("--name", "at most 200 bytes");
    picture.modern.name = *options.name;
  }
  picture.modern.table = options.table;
  return picture;
}

int RunChartCommand(const ChartOptions& options, std::ostream& out, std::ostream& err) {
  std::string error;
  std::optional<ResolvedBirthData> birth;
  const auto input = ResolveChartInput(options, CurrentUtc(), error, &birth);
  if (!input) {
    err << error << '\n';
    return 2;
  }
  const std::optional<PageChoice> page = options.page ? ParsePage(*options.page) : PageChoice{Page::Positions};
  if (!page) {
    err << "caelix chart: --page: one of " << PageNames() << ", all\n";
    return 2;
  }
  auto picture = ResolvePictureOptions(options, error);
  if (!picture) {
    err << error << '\n';
    return 2;
  }
  if (birth) SetBirthDataHeader(*birth, picture->modern);
  const Chart chart = ComputeChartWith(ParseEngine(options.engine).value_or(Engine::Precise), *input);
  if (options.svgFile || options.pngFile) {
    const std::string svg = WheelPictureSvg(*input, chart.slots, *picture);
    if (options.svgFile && !WriteOutputFile(*options.svgFile, svg, "--svg", err)) return 1;
    if (options.pngFile) {
      const auto png = RenderSvgToPng(svg, error);
      if (!png) {
        err << "caelix chart: --png: " << error << '\n';
        return 1;
      }
      if (!WriteOutputFile(*options.pngFile, *png, "--png", err)) return 1;
    }
  }
  if (options.json) {
    out << ChartToJson(chart, true, std::nullopt, birth ? &*birth : nullptr) << '\n';
  } else {
    if (birth) out << DescribeBirthData(*birth) << '\n';
    PrintPages(*page, chart, out);
  }
  return 0;
}

}  // namespace caelix

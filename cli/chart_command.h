#pragma once
// `caelix chart`: one chart from the command line, as text or JSON.
#include <iosfwd>
#include <optional>
#include <string>

#include "chart/chart_input.h"
#include "cli/chart_svg.h"
#include "places/birth_data.h"
#include "platform/clock.h"

namespace CLI {
class App;
}

namespace caelix {

// The options of `caelix chart` as typed; an empty optional means "as when the dialog opens".
struct ChartOptions {
  std::optional<std::string> date;
  std::optional<std::string> time;
  std::optional<std::string> longitude;
  std::optional<std::string> latitude;
  std::optional<std::string> houses;
  std::optional<std::string> place;    // an atlas query; fills longitude, latitude and zone
  std::optional<std::string> zone;     // --tz: the zone of --date and --time (default UT)
  std::optional<std::string> resolve;  // earlier or later: the reading of a repeated or skipped time
  std::optional<std::string> page;     // positions, elements, quadruplicity, aspects or all
  std::optional<std::string> dataDir;  // the stored files' folder; by default DefaultDataFolder()
  bool storedDefaults = true;          // false: no file is read, a missing place or house system is the default
  bool json = false;
  std::optional<std::string> svgFile;  // also write the wheel there as SVG
  std::optional<std::string> pngFile;  // also write the wheel there as PNG
  std::optional<int> pictureSize;      // the wheel's side in pixels
  std::optional<std::string> style;    // modern (default) or classic
  std::optional<std::string> theme;    // light (default), dark or print
  std::optional<std::string> points;   // the bodies the modern wheel draws
  std::optional<std::string> aspects;  // the aspects it draws as lines
  std::optional<std::string> name;     // the name in its header
  bool table = false;                  // a table of positions beside it
  std::string engine = "precise";      // "precise" or "classic"
};

// Adds the chart subcommand and its options to app; the options are written into options.
CLI::App* AddChartCommand(CLI::App& app, ChartOptions& options);

// Returns the chart input the options ask for: each missing value as the main dialog opens
// (the clock's UT, then the stored place and house system of the data folder, else the defaults;
// only the defaults without storedDefaults). With
// --place or --tz, --date and --time are the local clock and are converted to UT (ResolveBirthData),
// and birth, when given, receives what was done. On a bad value, returns nothing and sets error to
// one line naming the option and what it accepts.
std::optional<ChartInput> ResolveChartInput(const ChartOptions& options, const UtcDateTime& now, std::string& error,
                                            std::optional<ResolvedBirthData>* birth = nullptr);

// Returns the picture options asks for, or nothing with error set to one line naming the option
// when a value is bad, a picture option comes without --svg or --png, or a modern wheel's option
// comes with --style classic.
std::optional<WheelPictureOptions> ResolvePictureOptions(const ChartOptions& options, std::string& error);

// Computes the chart and prints the page --page names (the positions page by default; "all":
// the four pages, an empty line between two) with "\n" line ends, or the JSON form with --json;
// with --place or --tz, the text first names the place and the conversion of the local time.
// --svg and --png write the wheel first, each replacing its file whole or not at all. Returns the
// exit status: 0, 1 when a picture cannot be made or written (with the system's reason on err)
// or 2 for bad input (a repeated or skipped local time included). Whether out took the text is
// the caller's to check.
int RunChartCommand(const ChartOptions& options, std::ostream& out, std::ostream& err);

}  // namespace caelix

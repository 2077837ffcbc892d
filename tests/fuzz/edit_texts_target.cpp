// The main dialog's edits fed arbitrary texts: what a validator accepts reads as a value in its
// range, and seven texts that the edits all admit give a sound chart.
#include <cmath>
#include <cstdlib>
#include <string>

#include "app/edit_validators.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

namespace caelix::fuzz {

namespace {

bool IsPlainInteger(std::string_view t) {
  if (!t.empty() && t.front() == '-') t.remove_prefix(1);
  if (t.empty() || (t.size() > 1 && t.front() == '0')) return false;
  for (char c : t) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The checks on one text, every validator in turn.
void CheckValidators(const std::string& t) {
  if (t.empty()) return;
  const int whole = TextToInteger(t);
  const double decimal = TextToDecimal(t);
  CAELIX_FUZZ_REQUIRE(std::isfinite(decimal));
  if (AcceptsDay(t)) CAELIX_FUZZ_REQUIRE(whole >= 0 && whole <= 31);
  if (AcceptsMonth(t)) CAELIX_FUZZ_REQUIRE(whole >= 0 && whole <= 12);
  if (AcceptsHour(t)) CAELIX_FUZZ_REQUIRE(whole >= 0 && whole <= 23);
  if (AcceptsYear(t) && t != "-") {
    CAELIX_FUZZ_REQUIRE(IsPlainInteger(t));
    if (t.size() <= 9) CAELIX_FUZZ_REQUIRE(whole == std::strtol(t.c_str(), nullptr, 10));
  }
  if (AcceptsMinute(t)) CAELIX_FUZZ_REQUIRE(IsNumericText(t) && decimal >= 0.0 && decimal <= 59.0);
  if (AcceptsLongitude(t)) {
    CAELIX_FUZZ_REQUIRE(IsNumericText(t) && decimal >= -360.0 && decimal <= 360.0);
    // A place typed into the edit is shown again, and stored again, without loss.
    if (t.size() <= 7) CAELIX_FUZZ_REQUIRE(TextToDecimal(ExactDecimalText(decimal)) == decimal);
  }
  if (AcceptsLatitude(t)) CAELIX_FUZZ_REQUIRE(IsNumericText(t) && decimal > -66.0 && decimal < 66.0);
}

struct EditRule {
  bool (*accepts)(std::string_view);
  std::size_t limit;  // the characters the edit takes
};

// Day, month, year, hour, minute, longitude, latitude, as the dialog sets them up.
constexpr EditRule kEdits[] = {{AcceptsDay, 2},    {AcceptsMonth, 2},     {AcceptsYear, 5},    {AcceptsHour, 2},
                               {AcceptsMinute, 5}, {AcceptsLongitude, 7}, {AcceptsLatitude, 6}};

}  // namespace

int EditTextsTarget(const std::uint8_t* data, std::size_t size) {
  const std::string whole(reinterpret_cast<const char*>(data), size);
  CheckValidators(whole);
  const std::vector<std::string> lines = SplitLines(data, size);
  for (const std::string& line : lines) CheckValidators(line);

  // Seven lines, each admitted by its edit and complete as the dialog reads it, and an eighth
  // byte choosing the house system.
  if (lines.size() < 7) return 0;
  for (std::size_t i = 0; i < 7; ++i) {
    const std::string& t = lines[i];
    if (t.empty() || t.size() > kEdits[i].limit || !kEdits[i].accepts(t)) return 0;
    if ((i == 2 || i >= 5) && t == "-") return 0;
  }
  ChartInput in;
  in.day = TextToInteger(lines[0]);
  in.month = TextToInteger(lines[1]);
  in.year = TextToInteger(lines[2]);
  in.hour = TextToInteger(lines[3]);
  in.minute = TextToDecimal(lines[4]);
  in.longitude = TextToDecimal(lines[5]);
  in.latitude = TextToDecimal(lines[6]);
  in.houseIndex = lines.size() > 7 && !lines[7].empty() ? static_cast<unsigned char>(lines[7][0]) % 3 : 0;
  if (in.day == 0 || in.month == 0) return 0;
  RequireSoundChart(in);
  return 0;
}

}  // namespace caelix::fuzz

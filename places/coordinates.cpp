#include "places/coordinates.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

namespace caelix {

namespace {

enum class Mark { None, Degrees, Minutes, Seconds };

struct Number {
  double value;
  bool fraction;
  std::size_t wholeDigits;  // before the decimal point
  Mark mark;                // the sign written after it
};

// The signs that may follow a number, UTF-8, longest first.
struct MarkText {
  std::string_view text;
  Mark mark;
};
constexpr MarkText kMarks[] = {
    {"\xC2\xB0", Mark::Degrees},     {"\xC2\xBA", Mark::Degrees}, {"d", Mark::Degrees}, {"\xE2\x80\xB2", Mark::Minutes},
    {"\xE2\x80\xB3", Mark::Seconds}, {"''", Mark::Seconds},       {"'", Mark::Minutes}, {"\"", Mark::Seconds}};

// The refusal: the text as typed and the forms the axis accepts.
std::string Accepted(std::string_view text, CoordinateAxis axis, std::string_view why = " is not a ") {
  const bool lat = axis == CoordinateAxis::Latitude;
  std::string message = "'";
  message.append(text);
  message += '\'';
  message.append(why);
  message += lat ? "latitude: decimal degrees north positive within -90 to 90 (40.4168), or degrees and minutes "
                   "with N or S (40°25'N, 40N25, 40 25 N)"
                 : "longitude: decimal degrees east positive within -360 to 360 (-3.7038), or degrees and minutes "
                   "with E or W (3°42'W, 3W42, 3 42 W)";
  return message;
}

}  // namespace

ParsedCoordinate ParseCoordinate(std::string_view text, CoordinateAxis axis) {
  const auto bad = [text, axis] { return ParsedCoordinate{std::nullopt, Accepted(text, axis)}; };
  if (text.size() > 64) return bad();
  std::vector<Number> numbers;
  char hemisphere = 0;
  std::size_t hemisphereAfter = 0;  // how many numbers came before the letter
  int sign = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == ',') {
      ++i;
      continue;
    }
    if ((c == '-' || c == '+') && numbers.empty() && sign == 0 && hemisphere == 0) {
      sign = c == '-' ? -1 : 1;
      ++i;
      continue;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
      std::size_t end = i;
      while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.')) ++end;
      const std::string_view digits = text.substr(i, end - i);
      double v = 0.0;
      const auto [stop, ec] =
          std::from_chars(digits.data(), digits.data() + digits.size(), v, std::chars_format::fixed);
      if (ec != std::errc{} || stop != digits.data() + digits.size() || numbers.size() == 3) return bad();
      const std::size_t point = digits.find('.');
      numbers.push_back({v, point != std::string_view::npos, std::min(point, digits.size()), Mark::None});
      i = end;
      continue;
    }
    bool marked = false;
    for (const MarkText& m : kMarks) {
      if (text.substr(i).starts_with(m.text)) {
        if (numbers.empty() || numbers.back().mark != Mark::None) return bad();
        numbers.back().mark = m.mark;
        i += m.text.size();
        marked = true;
        break;
      }
    }
    if (marked) continue;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == 'N' || upper == 'S' || upper == 'E' || upper == 'W') {
      if (hemisphere != 0 || sign != 0) return bad();
      hemisphere = upper;
      hemisphereAfter = numbers.size();
      ++i;
      continue;
    }
    return bad();
  }
  if (numbers.empty()) return bad();
  // The letter stands first, last, or right after the degrees (40N25).
  if (hemisphere != 0 && hemisphereAfter != 0 && hemisphereAfter != 1 && hemisphereAfter != numbers.size())
    return bad();
  // 40N25: whole degrees, then minutes of two digits (so that 1e3 is no longitude).
  if (hemisphere != 0 && hemisphereAfter == 1 && numbers.size() > 1 &&
      (numbers[0].fraction || numbers[0].mark != Mark::None || numbers[1].wholeDigits != 2)) {
    return bad();
  }
  const bool latitude = axis == CoordinateAxis::Latitude;
  if (hemisphere != 0 && (hemisphere == 'N' || hemisphere == 'S') != latitude) {
    return {std::nullopt, Accepted(text, axis, latitude ? " has E or W, not a " : " has N or S, not a ")};
  }
  // Each number's place: degrees, minutes, seconds, in order; a written sign must agree.
  static constexpr Mark kPlaces[] = {Mark::Degrees, Mark::Minutes, Mark::Seconds};
  double value = 0.0;
  double unit = 1.0;
  for (std::size_t n = 0; n < numbers.size(); ++n) {
    const Number& num = numbers[n];
    if (num.mark != Mark::None && num.mark != kPlaces[n]) return bad();
    if (num.fraction && n + 1 != numbers.size()) return bad();
    if (n > 0 && !(num.value < 60.0)) return bad();
    value += num.value * unit;
    unit /= 60.0;
  }
  if (hemisphere == 'S' || hemisphere == 'W' || sign < 0) value = -value;
  if (value == 0.0) value = 0.0;  // -0 and 0S are 0, shown without a sign
  const double limit = latitude ? 90.0 : 360.0;
  if (!std::isfinite(value) || std::fabs(value) > limit) return bad();
  return {value, {}};
}

}  // namespace caelix

#include "resources/icon_glyphs.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace caelix {
namespace {

// Planets and points are drawn with a pen of 1.3 px, the retrograde mark and the house markers
// with 1 px; every stroke keeps half a pen inside its box.
constexpr IconGlyph kGlyphs[] = {
    // Uranus: an H whose middle stem ends in a small circle.
    {141, 10, 16, 1.3, "M 1.2 1 L 1.2 8; M 8.8 1 L 8.8 8; M 1.2 4.5 L 8.8 4.5; M 5 2 L 5 10.6; C 5 12.8 2.2"},
    // Neptune: a trident with an arrow point.
    {143, 14, 16, 1.3, "A 7 2 5.8 6 180 360; M 7 1 L 7 15.3; M 4 12 L 10 12; M 5.4 2.8 L 7 1 L 8.6 2.8"},
    // Pluto: a circle in a cup over a cross.
    {144, 11, 16, 1.3, "A 5.5 4.2 4.3 4.3 180 360; C 5.5 3.6 2.1; M 5.5 8.5 L 5.5 15.3; M 2.6 12.4 L 8.4 12.4"},
    // Saturn: a cross whose stem bends into a hooked sickle.
    {146, 11, 16, 1.3,
     "M 3.2 0.8 L 3.2 11; M 0.8 3.2 L 6 3.2; M 3.2 8.8 A 6 8.8 2.8 2.8 180 0 L 8.8 11 L 7.6 13.2 "
     "A 9.2 13.2 1.6 1.6 180 300"},
    // Jupiter: a curl over a bar crossed by a stem.
    {147, 11, 16, 1.3, "A 3.6 5 3 3.6 160 -70 L 1.2 11.2 L 10.2 11.2; M 8 1 L 8 15.3"},
    // Mars: a circle with an arrow to the upper right.
    {148, 16, 15, 1.3, "C 6 9.3 4.8; M 9.39 5.91 L 14.6 0.7; M 9.8 0.7 L 14.6 0.7 L 14.6 5.5"},
    // Venus: a circle over a cross.
    {149, 11, 16, 1.3, "C 5.5 5.3 4.5; M 5.5 9.8 L 5.5 15.3; M 2.4 12.7 L 8.6 12.7"},
    // Mercury: horns over a circle over a cross.
    {150, 8, 16, 1.3, "A 4 1.2 2.9 2.1 180 360; C 4 6.6 2.7; M 4 9.3 L 4 15.3; M 1.5 12.6 L 6.5 12.6"},
    // Moon: a crescent, horns to the left.
    {151, 15, 16, 1.3, "A 7.5 8 6.6 6.6 -110 110 A 3.58 8 6.42 6.42 75 -75"},
    // Sun: a circle with a centre dot.
    {152, 15, 16, 1.3, "C 7.5 8 6.6; D 7.5 8 1.6"},
    // Ascending node: a horseshoe open below, ending in two small circles.
    {153, 15, 16, 1.3,
     "A 7.5 7 5 5 -20 200; M 12.2 8.71 L 12.2 11; C 12.2 12.6 1.6; M 2.8 8.71 L 2.8 11; C 2.8 12.6 1.6"},
    // Part of Fortune: a circle with a diagonal cross.
    {155, 16, 16, 1.3, "C 8 8 7; M 3.05 3.05 L 12.95 12.95; M 12.95 3.05 L 3.05 12.95"},
    // The retrograde mark: the letters R and x.
    {156, 8, 12, 1.0,
     "M 1 7.2 L 1 0.8 L 3 0.8 A 3 2.5 1.7 1.7 90 -90 L 1 4.2; M 2.4 4.2 L 4.4 7.2; M 4.8 7.8 L 7.3 11.3; "
     "M 7.3 7.8 L 4.8 11.3"},
    // Aries: two horns on a stem.
    {157, 16, 15, 1.3, "M 8 14.2 L 8 4.6 A 4.6 4.6 3.4 3.4 0 220; M 8 4.6 A 11.4 4.6 3.4 3.4 180 -40"},
    // Taurus: a circle with horns.
    {158, 15, 16, 1.3, "C 7.5 10.6 4.6; A 7.5 1.2 6.5 4.8 180 360"},
    // Gemini: two pillars between two bowed bars.
    {161, 15, 16, 1.3,
     "A 7.5 -9.836 12.636 12.636 239.04 300.96; A 7.5 25.836 12.636 12.636 120.96 59.04; M 4.8 2.5 L 4.8 13.5; "
     "M 10.2 2.5 L 10.2 13.5"},
    // Cancer: two curls, one turned over the other.
    {162, 16, 12, 1.3, "C 3.6 4.4 2; A 8 4.4 6.4 3.4 180 15; C 12.4 7.6 2; A 8 7.6 6.4 3.4 0 -165"},
    // Leo: a small circle, an arch and a tail curling up.
    {163, 13, 16, 1.3,
     "C 3.2 10.4 2.4; M 4.58 8.43 L 4.25 6.66 A 7.2 4.6 3.6 3.6 215 -30 L 9 12.8 A 10.6 12.8 1.6 1.6 180 330"},
    // Virgo: an m whose last stem closes in a loop.
    {164, 13, 16, 1.3,
     "M 1.2 12.5 L 1.2 3.2 A 2.9 3.2 1.7 1.7 180 0 L 4.6 12.5; M 4.6 3.2 A 6.3 3.2 1.7 1.7 180 0 L 8 10 "
     "A 10 10 2 2 180 420 L 7.2 15.2"},
    // Libra: a bar with a hump over a plain bar.
    {165, 16, 13, 1.3, "M 1 11.8 L 15 11.8; M 1 8.6 L 5.5 8.6 A 8 6 3.6 3.6 226 -46 L 15 8.6"},
    // Scorpio: an m whose last stem ends in an arrow.
    {166, 14, 16, 1.3,
     "M 1 12.5 L 1 3.2 A 2.7 3.2 1.7 1.7 180 0 L 4.4 12.5; M 4.4 3.2 A 6.1 3.2 1.7 1.7 180 0 L 7.8 12 "
     "A 9.8 12 2 2 180 270 L 12.8 11; M 10.4 11 L 12.8 11 L 12.8 13.4"},
    // Sagittarius: an arrow to the upper right, crossed.
    {167, 16, 16, 1.3, "M 1.2 14.8 L 14.8 1.2; M 8.4 1.2 L 14.8 1.2 L 14.8 7.6; M 3.6 7.6 L 8.4 12.4"},
    // Capricorn: a V running into a looped tail.
    {168, 16, 15, 1.3, "M 1 1.4 L 4 12 L 6.6 2.6 L 8.6 9 A 11.4 9.6 2.8 2.8 190 500 L 7.2 14.2"},
    // Aquarius: two waves.
    {169, 16, 11, 1.3,
     "M 0.8 4.4 L 4.4 1.4 L 8 4.4 L 11.6 1.4 L 15.2 4.4; M 0.8 9.6 L 4.4 6.6 L 8 9.6 L 11.6 6.6 L 15.2 9.6"},
    // Pisces: two arcs back to back, joined by a bar.
    {170, 12, 16, 1.3, "A -1.2 8 4.7 7.2 -65 65; A 13.2 8 4.7 7.2 115 245; M 2.2 8 L 9.8 8"},
    // House markers: circled numbers.
    {175, 16, 16, 1.0, "C 8 8 7.1; M 5.3 5.7 L 6.8 4.5 L 6.8 11.5; M 8.9 5.7 L 10.4 4.5 L 10.4 11.5"},
    {177, 16, 16, 1.0, "C 8 8 7.1; M 7.1 5.7 L 8.6 4.5 L 8.6 11.5"},
    {178, 16, 16, 1.0, "C 8 8 7.1; A 7.95 6.3 1.8 1.8 160 -30 L 6.25 11.5 L 9.75 11.5"},
    {180, 16, 16, 1.0, "C 8 8 7.1; A 8 6.2 1.7 1.7 150 -90 A 8 9.7 1.8 1.8 90 -150"},
    {189, 16, 16, 1.0, "C 8 8 7.1; M 4.6 5.7 L 6.1 4.5 L 6.1 11.5; A 9.4 8 1.6 3.5 0 360"},
    {190, 16, 16, 1.0, "C 8 8 7.1; M 4.4 5.7 L 5.9 4.5 L 5.9 11.5; A 9.3 6.3 1.8 1.8 160 -30 L 7.6 11.5 L 11.1 11.5"},
    {191, 16, 16, 1.0,
     "C 8 8 7.1; M 4.4 5.7 L 5.9 4.5 L 5.9 11.5; A 9.1 6.2 1.7 1.7 150 -90 A 9.1 9.7 1.8 1.8 90 -150"},
    // Lilith: a crescent over a cross.
    {210, 10, 16, 1.3,
     "A 5 5.2 4.2 4.2 -115 115 A 2.53 5.2 3.87 3.87 79.7 -79.7; M 5 9.4 L 5 15.3; M 2.6 12.6 L 7.4 12.6"},
    // The modern wheel's further glyphs. Vertex: the letters V and x.
    {211, 16, 16, 1.3, "M 1.2 3 L 4.8 13.2 L 8.4 3; M 9.6 6.6 L 14.8 13.2; M 14.8 6.6 L 9.6 13.2"},
    // True Lilith: Lilith's crescent over a cross with two bars.
    {212, 10, 16, 1.3,
     "A 5 5.2 4.2 4.2 -115 115 A 2.53 5.2 3.87 3.87 79.7 -79.7; M 5 9.4 L 5 15.3; M 2.6 11.6 L 7.4 11.6; "
     "M 2.6 14 L 7.4 14"},
    // Selena: Lilith's crescent turned the other way over a cross.
    {213, 10, 16, 1.3,
     "A 5 5.2 4.2 4.2 295 65 A 7.47 5.2 3.87 3.87 100.3 259.7; M 5 9.4 L 5 15.3; M 2.6 12.6 L 7.4 12.6"},
    // Waldemath: a crescent inside a circle.
    {214, 16, 16, 1.3, "C 8 8 7.2; A 8 8 4.4 4.4 -110 110 A 5.3 8 4.3 4.3 72 -72"},
    // Chiron: a key, a circle on a stem with a K at its top.
    {215, 16, 16, 1.3, "C 8 12.6 2.7; M 8 9.9 L 8 0.8; M 12.2 1 L 8 5.2 L 12.2 9.2"},
    // Eros: a heart.
    {216, 16, 16, 1.3, "M 8 14.8 L 2.98 7.46 A 5.2 5.6 2.9 2.9 220 0 A 10.8 5.6 2.9 2.9 180 -40 L 8 14.8"},
    // Eris: a circle on a stem ending in an arrow pointing down.
    {217, 16, 16, 1.3, "C 8 5.2 4.4; M 8 9.6 L 8 15.2; M 4.8 12 L 8 15.2 L 11.2 12"},
    // Sedna: an S under a bar.
    {218, 16, 16, 1.3, "M 3.2 1 L 12.8 1; A 8 6.2 3.6 2.8 10 270 A 8 11.8 3.6 2.8 90 -170"},
    // Orcus: the letters O and r.
    {219, 16, 16, 1.3, "C 5.2 9 4.2; M 10.8 13.2 L 10.8 7.2; A 12.9 8.8 2.1 1.8 180 30"},
    // Quaoar: a Q.
    {220, 16, 16, 1.3, "C 7.4 7.4 6.4; M 9.6 10.4 L 15 15.2"},
    // Varuna: a V with a bar across its arms.
    {221, 16, 16, 1.3, "M 1.4 1.2 L 8 14.8 L 14.6 1.2; M 1.4 5.4 L 14.6 5.4"},
    // Ixion: the letters I and x.
    {222, 16, 16, 1.3,
     "M 3 2.4 L 3 13.6; M 1 2.4 L 5 2.4; M 1 13.6 L 5 13.6; M 7.6 6.4 L 14.8 13.6; "
     "M 14.8 6.4 L 7.6 13.6"},
    // The retrograde sign: an R whose leg is crossed.
    {223, 12, 12, 1.1,
     "M 1.6 11.2 L 1.6 0.8 L 5.4 0.8 A 5.4 3.5 2.7 2.7 90 -90 L 1.6 6.2; M 4.6 6.2 L 10.6 11.2; "
     "M 6.4 11 L 10.6 7"},
};

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
constexpr double kMaxChordDeg = 5.0;

// Reads the next number of a command; false at the end of the stroke or on a malformed number.
bool ReadNumber(std::string_view& text, double& value) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return false;
  text.remove_prefix(start);
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || !std::isfinite(value)) return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return text.empty() || text.front() == ' ';
}

void AppendArc(std::vector<GlyphPoint>& stroke, double cx, double cy, double rx, double ry, double a0, double a1) {
  const int chords = std::max(1, static_cast<int>(std::ceil(std::fabs(a1 - a0) / kMaxChordDeg)));
  for (int k = 0; k <= chords; ++k) {
    const double a = (a0 + (a1 - a0) * k / chords) * kDegToRad;
    stroke.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
  }
}

// Parses one stroke into outline; false with error set on a fault.
bool ParseStroke(std::string_view text, GlyphOutline& outline, std::string& error) {
  std::vector<GlyphPoint> stroke;
  for (;;) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    const char command = text[start];
    text.remove_prefix(start + 1);
    const std::size_t arity = command == 'A' ? 6 : command == 'C' || command == 'D' ? 3 : 2;
    if (command != 'M' && command != 'L' && command != 'A' && command != 'C' && command != 'D') {
      error = std::string("unknown command '") + command + "'";
      return false;
    }
    std::array<double, 6> v{};
    for (std::size_t i = 0; i < arity; ++i) {
      if (!ReadNumber(text, v[i])) {
        error = std::string("command '") + command + "' needs " + std::to_string(arity) + " numbers";
        return false;
      }
    }
    if ((command == 'M' && !stroke.empty()) || (command == 'L' && stroke.empty()) ||
        ((command == 'C' || command == 'D') && !stroke.empty())) {
      error = std::string("command '") + command + "' out of place in a stroke";
      return false;
    }
    switch (command) {
      case 'M':
      case 'L':
        stroke.push_back({v[0], v[1]});
        break;
      case 'A':
        AppendArc(stroke, v[0], v[1], v[2], v[3], v[4], v[5]);
        break;
      case 'C':
        AppendArc(stroke, v[0], v[1], v[2], v[2], 0.0, 360.0);
        break;
      case 'D':
        if (text.find_first_not_of(' ') != std::string_view::npos) {
          error = "a dot is a stroke of its own";
          return false;
        }
        outline.dots.push_back({{v[0], v[1]}, v[2]});
        return true;
    }
  }
  if (stroke.size() < 2) {
    error = "a stroke needs at least two points";
    return false;
  }
  outline.strokes.push_back(std::move(stroke));
  return true;
}

}  // namespace

std::span<const IconGlyph> IconGlyphs() { return kGlyphs; }

const IconGlyph* FindIconGlyph(int id) {
  const auto it = std::find_if(std::begin(kGlyphs), std::end(kGlyphs), [id](const IconGlyph& g) { return g.id == id; });
  return it == std::end(kGlyphs) ? nullptr : &*it;
}

std::optional<GlyphOutline> ParseGlyphPath(std::string_view path, std::string& error) {
  GlyphOutline outline;
  for (;;) {
    const auto end = path.find(';');
    if (!ParseStroke(path.substr(0, end), outline, error)) return std::nullopt;
    if (end == std::string_view::npos) return outline;
    path.remove_prefix(end + 1);
  }
}

}  // namespace caelix

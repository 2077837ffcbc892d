#include "ui/wheel/wheel_selection.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "ui/wheel/wheel_bodies.h"

namespace caelix {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Calls take(word) for each comma-separated word; false (error set) at the first it refuses.
template <class Take>
bool ForEachWord(std::string_view text, const char* what, std::string& error, Take take) {
  for (;;) {
    const auto comma = text.find(',');
    const std::string_view word = Trim(text.substr(0, comma));
    if (word.empty() || !take(Lower(word))) {
      error = std::string("unknown ") + what + " '" + std::string(word.substr(0, 32)) + "'";
      return false;
    }
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

struct NamedAspect {
  double angleDeg;
  const char* name;
};

constexpr NamedAspect kAspectNames[] = {
    {0, "conjunction"},  {180, "opposition"}, {90, "square"},       {120, "trine"},
    {60, "sextile"},     {150, "quincunx"},   {30, "semi-sextile"}, {135, "sesquiquadrate"},
    {45, "semi-square"}, {72, "quintile"},    {144, "biquintile"},
};

}  // namespace

AspectKind AspectKindOf(double angleDeg) {
  if (angleDeg == 0 || angleDeg == 180 || angleDeg == 90 || angleDeg == 45 || angleDeg == 135) return AspectKind::Hard;
  if (angleDeg == 120 || angleDeg == 60) return AspectKind::Soft;
  return AspectKind::Minor;
}

std::string_view AspectKindName(AspectKind kind) {
  switch (kind) {
    case AspectKind::Hard:
      return "hard";
    case AspectKind::Soft:
      return "soft";
    case AspectKind::Minor:
      break;
  }
  return "minor";
}

std::string AspectName(double angleDeg) {
  for (const NamedAspect& a : kAspectNames) {
    if (a.angleDeg == angleDeg) return a.name;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.0f\u00b0", angleDeg);
  return buf;
}

PointSelection AllPoints() {
  PointSelection s{};
  for (const WheelBody& b : ModernWheelBodies()) s[static_cast<std::size_t>(b.id)] = true;
  return s;
}

AspectSelection MajorAspects() {
  AspectSelection s{};
  for (std::size_t i = 0; i < kAspectTable.size(); ++i) {
    const double a = kAspectTable[i].angleDeg;
    s[i] = a == 0 || a == 180 || a == 90 || a == 120 || a == 60;
  }
  return s;
}

std::optional<PointSelection> ParsePointSelection(std::string_view text, std::string& error) {
  PointSelection chosen{};
  const auto take = [&chosen](const std::string& word) {
    bool known = false;
    for (const WheelBody& b : ModernWheelBodies()) {
      const bool inGroup = word == "all" || (word == "planets" && b.group == WheelBodyGroup::Planet) ||
                           (word == "points" && b.group == WheelBodyGroup::Point) ||
                           (word == "tables" && b.group == WheelBodyGroup::TableBody);
      if (inGroup || word == Lower(BodyKey(b.id)) || word == Lower(BodyLabel(b.id)) || word == Lower(TapLabel(b.id))) {
        chosen[static_cast<std::size_t>(b.id)] = true;
        known = true;
      }
    }
    return known;
  };
  if (!ForEachWord(text, "point", error, take)) return std::nullopt;
  return chosen;
}

std::optional<AspectSelection> ParseAspectSelection(std::string_view text, std::string& error) {
  AspectSelection chosen{};
  const AspectSelection major = MajorAspects();
  const auto take = [&](const std::string& word) {
    if (word == "none") return true;
    double angle = -1.0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), angle);
    const bool isAngle = ec == std::errc() && end == word.data() + word.size();
    bool known = false;
    for (std::size_t i = 0; i < kAspectTable.size(); ++i) {
      const double a = kAspectTable[i].angleDeg;
      const bool named = word == "all" || (word == "major" && major[i]) || (isAngle && angle == a) ||
                         word == AspectKindName(AspectKindOf(a)) || word == AspectName(a);
      if (named) {
        chosen[i] = true;
        known = true;
      }
    }
    return known;
  };
  if (!ForEachWord(text, "aspect", error, take)) return std::nullopt;
  return chosen;
}

}  // namespace caelix

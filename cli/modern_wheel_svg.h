#pragma once
// The modern chart wheel as an SVG document: the layout of ui/wheel drawn with the icon
// resources' vector glyphs, coloured by a theme of CSS variables.
#include <optional>
#include <string>
#include <string_view>

#include "ui/wheel/modern_wheel_layout.h"

namespace caelix {

enum class WheelTheme { Light, Dark, Print };

// Returns the theme a --theme word names ("light", "dark", "print", any case), or nothing.
std::optional<WheelTheme> ParseWheelTheme(std::string_view word);

// Returns the SVG document of a layout in a theme. The colours are CSS variables on the root
// element (--bg, --ink, --fire, --hard, ...), each rule naming its colour first as a plain value
// for renderers without variables. Every body, cusp and aspect is a group with a <title> (what
// a tap names) and data-body, data-longitude (degrees) attributes; the centre's title names
// the chart.
std::string ModernWheelSvg(const ModernWheelLayout& layout, WheelTheme theme);

}  // namespace caelix

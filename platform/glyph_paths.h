#pragma once
// The icon resources' glyphs as SVG path data, scaled into a box: for pictures drawn outside a
// drawing surface.
#include <optional>
#include <string>
#include <vector>

namespace caelix {

struct FittedDot {
  double cx;
  double cy;
  double r;
};

struct FittedGlyph {
  std::string pathData;  // "M x y L x y ..." in picture pixels
  double penWidth;       // pixels
  std::vector<FittedDot> dots;
};

// Returns v as an SVG number: at most two decimals (rounded as printf's "%.2f"), no trailing
// zeros, "0" for a negative zero.
std::string SvgNumber(double v);

// Returns icon glyphId scaled uniformly to the largest size that fits the box centred at
// (cx, cy) with half sides halfWidth and halfHeight (pixels), centred in it; nothing when there
// is no such icon.
std::optional<FittedGlyph> FitGlyph(int glyphId, double cx, double cy, double halfWidth, double halfHeight);

}  // namespace caelix

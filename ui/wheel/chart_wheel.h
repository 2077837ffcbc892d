#pragma once
// The chart wheel: draws one chart through a drawing surface and keeps, between two drawings,
// where each symbol went, so that a tap can name what lies under it.
#include <array>
#include <string>
#include <string_view>

#include "chart/chart_result.h"
#include "platform/drawing_surface.h"
#include "ui/wheel/wheel_geometry.h"

namespace caelix {

// Where one symbol's icon was centred, in client pixels, and whether it was placed at all.
struct SymbolPosition {
  Point point;
  bool placed = false;
};

// Indexed like WheelSlots: 0 the centre, 1 to 11, 15 and 16 the body symbols, 12, 13, 14 and 17
// to 20 the house markers; 21 is never placed.
using SymbolPositions = std::array<SymbolPosition, kWheelEntryCount>;

// Draws icon iconId at width x height pixels with its top-left corner at (x - width div 2,
// y - height div 2) for point (x, y); an icon that cannot be loaded is not drawn.
void DrawIconCentered(DrawingSurface& surface, int iconId, int width, int height, Point point);

class ChartWheel {
 public:
  // Draws the whole wheel of chart into the square of the smaller side of client at its origin,
  // in this order: the sign ring (two outer circles, the 0.4 disc, the twelve boundaries, the
  // 0.125 disc), the sign glyphs, the six house axes, the body symbols each with its retrograde
  // mark (bodies 1 to 11) and position tick, the house markers, then for the planets Sun to
  // Pluto a tick on the inner circle and a chord to each later planet in conjunction,
  // opposition, trine, sextile or square. Refills the symbol positions and keeps header as the
  // centre's name.
  void DrawWheel(DrawingSurface& surface, const Rect& client, const ChartResult& chart, std::string_view header);

  // Returns what a tap at client pixel (x, y) names: the symbols placed within 8 pixels on both
  // axes, in entry order, joined by "; ". Empty before the first drawing.
  std::string IdentifySymbols(int x, int y) const;

  // Returns the name of one entry as a tap on it alone gives it, without trailing spaces.
  std::string SymbolText(std::size_t entry) const;

  const SymbolPositions& symbolPositions() const { return symbolPositions_; }
  const WheelSlots& wheelSlots() const { return wheelSlots_; }
  int wheelSize() const { return wheelSize_; }

 private:
  WheelSlots wheelSlots_{};
  SymbolPositions symbolPositions_{};
  std::string header_;
  int wheelSize_ = 0;
};

}  // namespace caelix

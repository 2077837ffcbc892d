#pragma once
// A drawing surface that writes an SVG document: lines and ellipses as SVG shapes on pixel
// centres, icons as the vector strokes of their glyphs, and titled areas that a browser names
// when the pointer rests on them.
#include <string>
#include <string_view>

#include "platform/drawing_surface.h"

namespace caelix {

class SvgSurface : public DrawingSurface {
 public:
  // A document of width x height pixels on a white background.
  SvgSurface(int width, int height);

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  bool DrawIcon(int iconId, int left, int top, int width, int height) override;

  // Adds an invisible rectangle with its top-left corner at (left, top) that carries title
  // (UTF-8), drawn above everything before it.
  void AddTitledArea(int left, int top, int width, int height, std::string_view title);

  // Returns the whole document.
  std::string Document() const;

 private:
  int width_;
  int height_;
  int currentX_ = 0;
  int currentY_ = 0;
  std::string body_;
};

// Returns text with the five XML special characters replaced by their entities.
std::string EscapeXml(std::string_view text);

}  // namespace caelix

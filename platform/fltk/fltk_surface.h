#pragma once
// The drawing surface of a desktop window: draws with FLTK into the current drawing context,
// every dialog pixel magnified by the window's scale (icons stay sharp: they are vector glyphs).
#include "platform/drawing_surface.h"

namespace caelix {

class FltkSurface : public DrawingSurface {
 public:
  // Dialog pixel (0, 0) lands on screen pixel (originX, originY); scale: screen pixels per
  // dialog pixel.
  FltkSurface(double scale, int originX, int originY);

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  bool DrawIcon(int iconId, int left, int top, int width, int height) override;

 private:
  int ScreenX(double x) const;
  int ScreenY(double y) const;

  double scale_;
  int originX_;
  int originY_;
  int currentX_ = 0;
  int currentY_ = 0;
};

}  // namespace caelix

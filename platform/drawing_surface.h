#pragma once
// The drawing surface the chart wheel paints on: the few device operations it needs, in pixels
// (x right, y down, origin at the top left of the client area). Header only and standard library
// only, so the core can draw through it without knowing any backend.
#include "platform/geometry.h"
namespace caelix {

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // Moves the current point to (x, y) without drawing.
  virtual void MoveTo(int x, int y) = 0;

  // Draws a line with the pen (one pixel, black) from the current point to (x, y), which becomes
  // the current point.
  virtual void LineTo(int x, int y) = 0;

  // Draws the ellipse inscribed in the box (left, top)-(right, bottom), outlined with the pen and
  // filled with the brush (white).
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;

  // Draws icon resource iconId scaled to width x height with its top-left corner at (left, top),
  // black on transparent. Returns false, drawing nothing, when there is no such icon.
  virtual bool DrawIcon(int iconId, int left, int top, int width, int height) = 0;
};

}  // namespace caelix

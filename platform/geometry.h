#pragma once
// Points and rectangles in a dialog's pixels (origin top-left, y down).

namespace caelix {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle by its edges; right and bottom lie just outside it.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Returns the rectangle of width w and height h with its top-left corner at (x, y).
constexpr Rect RectAt(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }

}  // namespace caelix

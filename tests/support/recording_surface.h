#pragma once
// A drawing surface that draws nothing and keeps every primitive in order, with its pixel
// coordinates: the wheel's geometry seen by the tests.
#include <string>
#include <vector>

#include "platform/drawing_surface.h"

namespace caelix {

struct DrawnPrimitive {
  enum class Kind { MoveTo, LineTo, Ellipse, Icon };
  Kind kind;
  int x = 0;  // the point (MoveTo, LineTo) or the top-left corner (Ellipse, Icon)
  int y = 0;
  int right = 0;  // Ellipse: the bottom-right corner of the box
  int bottom = 0;
  int width = 0;  // Icon: the drawn size
  int height = 0;
  int iconId = 0;
};

class RecordingSurface : public DrawingSurface {
 public:
  // Icons are "loaded" unless their id is in missingIcons.
  explicit RecordingSurface(std::vector<int> missingIcons = {}) : missingIcons_(std::move(missingIcons)) {}

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  bool DrawIcon(int iconId, int left, int top, int width, int height) override;

  const std::vector<DrawnPrimitive>& primitives() const { return primitives_; }

 private:
  std::vector<int> missingIcons_;
  std::vector<DrawnPrimitive> primitives_;
};

// Returns one primitive as a line of text, e.g. "line 10,20", "ellipse 0,0,480,480", "icon 152 at 100,40 15x16".
std::string Describe(const DrawnPrimitive& p);

}  // namespace caelix

#include "support/recording_surface.h"

#include <algorithm>

namespace caelix {

void RecordingSurface::MoveTo(int x, int y) {
  primitives_.push_back({.kind = DrawnPrimitive::Kind::MoveTo, .x = x, .y = y});
}

void RecordingSurface::LineTo(int x, int y) {
  primitives_.push_back({.kind = DrawnPrimitive::Kind::LineTo, .x = x, .y = y});
}

void RecordingSurface::Ellipse(int left, int top, int right, int bottom) {
  primitives_.push_back({.kind = DrawnPrimitive::Kind::Ellipse, .x = left, .y = top, .right = right, .bottom = bottom});
}

bool RecordingSurface::DrawIcon(int iconId, int left, int top, int width, int height) {
  if (std::find(missingIcons_.begin(), missingIcons_.end(), iconId) != missingIcons_.end()) return false;
  primitives_.push_back(
      {.kind = DrawnPrimitive::Kind::Icon, .x = left, .y = top, .width = width, .height = height, .iconId = iconId});
  return true;
}

std::string Describe(const DrawnPrimitive& p) {
  const auto pair = [](int a, int b) { return std::to_string(a) + "," + std::to_string(b); };
  switch (p.kind) {
    case DrawnPrimitive::Kind::MoveTo:
      return "move " + pair(p.x, p.y);
    case DrawnPrimitive::Kind::LineTo:
      return "line " + pair(p.x, p.y);
    case DrawnPrimitive::Kind::Ellipse:
      return "ellipse " + pair(p.x, p.y) + "," + pair(p.right, p.bottom);
    case DrawnPrimitive::Kind::Icon:
      return "icon " + std::to_string(p.iconId) + " at " + pair(p.x, p.y) + " " + std::to_string(p.width) + "x" +
             std::to_string(p.height);
  }
  return "?";
}

}  // namespace caelix

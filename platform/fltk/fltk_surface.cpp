#include "platform/fltk/fltk_surface.h"

#include <FL/Enumerations.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>

#include "resources/icon_glyphs.h"

namespace caelix {

FltkSurface::FltkSurface(double scale, int originX, int originY)
    : scale_(scale), originX_(originX), originY_(originY) {}

int FltkSurface::ScreenX(double x) const { return originX_ + static_cast<int>(std::lround(x * scale_)); }

int FltkSurface::ScreenY(double y) const { return originY_ + static_cast<int>(std::lround(y * scale_)); }

void FltkSurface::MoveTo(int x, int y) {
  currentX_ = x;
  currentY_ = y;
}

void FltkSurface::LineTo(int x, int y) {
  // Lines run through pixel centres, as on the device.
  fl_color(FL_BLACK);
  fl_line_style(FL_SOLID, std::max(1, static_cast<int>(std::lround(scale_))));
  fl_line(ScreenX(currentX_ + 0.5), ScreenY(currentY_ + 0.5), ScreenX(x + 0.5), ScreenY(y + 0.5));
  fl_line_style(0);
  currentX_ = x;
  currentY_ = y;
}

void FltkSurface::Ellipse(int left, int top, int right, int bottom) {
  const int x = ScreenX(left + 0.5);
  const int y = ScreenY(top + 0.5);
  const int w = ScreenX(right - 0.5) - x;
  const int h = ScreenY(bottom - 0.5) - y;
  fl_color(FL_WHITE);
  fl_pie(x, y, w, h, 0.0, 360.0);
  fl_color(FL_BLACK);
  fl_line_style(FL_SOLID, std::max(1, static_cast<int>(std::lround(scale_))));
  fl_arc(x, y, w, h, 0.0, 360.0);
  fl_line_style(0);
}

bool FltkSurface::DrawIcon(int iconId, int left, int top, int width, int height) {
  const IconGlyph* glyph = FindIconGlyph(iconId);
  if (glyph == nullptr) return false;
  std::string error;
  const auto outline = ParseGlyphPath(glyph->path, error);
  if (!outline) return false;
  const double sx = scale_ * width / glyph->width;
  const double sy = scale_ * height / glyph->height;
  const double x0 = originX_ + left * scale_;
  const double y0 = originY_ + top * scale_;
  const int pen = std::max(1, static_cast<int>(std::lround(glyph->penWidth * std::min(sx, sy))));
  fl_color(FL_BLACK);
  fl_line_style(FL_SOLID | FL_CAP_ROUND | FL_JOIN_ROUND, pen);
  for (const auto& stroke : outline->strokes) {
    fl_begin_line();
    for (const GlyphPoint& p : stroke) fl_vertex(x0 + p.x * sx, y0 + p.y * sy);
    fl_end_line();
  }
  fl_line_style(0);
  for (const GlyphDot& d : outline->dots) {
    fl_begin_polygon();
    fl_circle(x0 + d.centre.x * sx, y0 + d.centre.y * sy, d.radius * std::min(sx, sy));
    fl_end_polygon();
  }
  return true;
}

}  // namespace caelix

#include "platform/svg_surface.h"

#include <algorithm>
#include <cstdio>

#include "resources/icon_glyphs.h"

namespace caelix {
namespace {

// Returns v with at most two decimals and no trailing zeros.
std::string Number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  std::string s(buf);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

// Appends every part to out (one append each: long chains of operator+ upset GCC 12's -Wrestrict).
template <class... Parts>
void Append(std::string& out, const Parts&... parts) {
  (out.append(parts), ...);
}

// The centre of pixel p: lines drawn on pixel centres stay one pixel wide.
std::string Centre(int p) { return Number(p + 0.5); }

}  // namespace

std::string EscapeXml(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

SvgSurface::SvgSurface(int width, int height) : width_(width), height_(height) {}

void SvgSurface::MoveTo(int x, int y) {
  currentX_ = x;
  currentY_ = y;
}

void SvgSurface::LineTo(int x, int y) {
  Append(body_, "<line x1=\"", Centre(currentX_), "\" y1=\"", Centre(currentY_), "\" x2=\"", Centre(x), "\" y2=\"",
         Centre(y), "\" stroke=\"#000\"/>\n");
  currentX_ = x;
  currentY_ = y;
}

void SvgSurface::Ellipse(int left, int top, int right, int bottom) {
  // The outline runs through the centres of the box's first and last pixels.
  const double rx = std::max(0.0, (right - left - 1) / 2.0);
  const double ry = std::max(0.0, (bottom - top - 1) / 2.0);
  Append(body_, "<ellipse cx=\"", Number((left + right) / 2.0), "\" cy=\"", Number((top + bottom) / 2.0), "\" rx=\"",
         Number(rx), "\" ry=\"", Number(ry), "\" fill=\"#fff\" stroke=\"#000\"/>\n");
}

bool SvgSurface::DrawIcon(int iconId, int left, int top, int width, int height) {
  const IconGlyph* glyph = FindIconGlyph(iconId);
  if (glyph == nullptr) return false;
  std::string error;
  const auto outline = ParseGlyphPath(glyph->path, error);
  if (!outline) return false;
  const double sx = static_cast<double>(width) / glyph->width;
  const double sy = static_cast<double>(height) / glyph->height;
  const auto point = [&](const GlyphPoint& p) { return Number(left + p.x * sx) + " " + Number(top + p.y * sy); };
  Append(body_, "<g fill=\"none\" stroke=\"#000\" stroke-width=\"", Number(glyph->penWidth * std::min(sx, sy)),
         "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"><path d=\"");
  for (const auto& stroke : outline->strokes) {
    Append(body_, "M", point(stroke.front()));
    for (std::size_t k = 1; k < stroke.size(); ++k) Append(body_, " L", point(stroke[k]));
  }
  Append(body_, "\"/>");
  for (const auto& dot : outline->dots) {
    Append(body_, "<ellipse cx=\"", Number(left + dot.centre.x * sx), "\" cy=\"", Number(top + dot.centre.y * sy),
           "\" rx=\"", Number(dot.radius * sx), "\" ry=\"", Number(dot.radius * sy),
           "\" fill=\"#000\" stroke=\"none\"/>");
  }
  Append(body_, "</g>\n");
  return true;
}

void SvgSurface::AddTitledArea(int left, int top, int width, int height, std::string_view title) {
  Append(body_, "<rect x=\"", Number(left), "\" y=\"", Number(top), "\" width=\"", Number(width), "\" height=\"",
         Number(height), "\" fill=\"#fff\" fill-opacity=\"0\"><title>", EscapeXml(title), "</title></rect>\n");
}

std::string SvgSurface::Document() const {
  const std::string w = Number(width_);
  const std::string h = Number(height_);
  std::string doc;
  Append(doc, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", w,
         "\" height=\"", h, "\" viewBox=\"0 0 ", w, " ", h, "\">\n<rect width=\"", w, "\" height=\"", h,
         "\" fill=\"#fff\"/>\n", body_, "</svg>\n");
  return doc;
}

}  // namespace caelix

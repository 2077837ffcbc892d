#include "platform/glyph_paths.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <mutex>

#include "resources/icon_glyphs.h"

namespace caelix {
namespace {

// Each glyph's outline, parsed once.
const GlyphOutline* OutlineOf(const IconGlyph& glyph) {
  static std::mutex lock;
  static std::map<int, std::optional<GlyphOutline>> outlines;
  const std::lock_guard<std::mutex> hold(lock);
  auto [it, added] = outlines.try_emplace(glyph.id);
  if (added) {
    std::string error;
    it->second = ParseGlyphPath(glyph.path, error);
  }
  return it->second ? &*it->second : nullptr;
}

}  // namespace

std::string SvgNumber(double v) {
  // to_chars with a precision rounds exactly as printf's "%.2f" does, without its locale and
  // arbitrary-precision path: the pictures' numbers are most of their writing time.
  char buf[330];  // room for the largest double's 309 digits
  const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  std::string s(buf, r.ptr);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

std::optional<FittedGlyph> FitGlyph(int glyphId, double cx, double cy, double halfWidth, double halfHeight) {
  const IconGlyph* glyph = FindIconGlyph(glyphId);
  if (glyph == nullptr) return std::nullopt;
  const GlyphOutline* outline = OutlineOf(*glyph);
  if (outline == nullptr) return std::nullopt;
  const double scale = std::min(2.0 * halfWidth / glyph->width, 2.0 * halfHeight / glyph->height);
  const double left = cx - glyph->width * scale / 2.0;
  const double top = cy - glyph->height * scale / 2.0;
  FittedGlyph out{{}, glyph->penWidth * scale, {}};
  for (const auto& stroke : outline->strokes) {
    out.pathData.append("M").append(SvgNumber(left + stroke.front().x * scale)).append(" ");
    out.pathData.append(SvgNumber(top + stroke.front().y * scale));
    for (std::size_t k = 1; k < stroke.size(); ++k) {
      out.pathData.append("L").append(SvgNumber(left + stroke[k].x * scale)).append(" ");
      out.pathData.append(SvgNumber(top + stroke[k].y * scale));
    }
  }
  for (const GlyphDot& dot : outline->dots) {
    out.dots.push_back({left + dot.centre.x * scale, top + dot.centre.y * scale, dot.radius * scale});
  }
  return out;
}

}  // namespace caelix

#pragma once
// The icon resources of the application: one vector glyph per resource id.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace caelix {

// One icon: its resource id, its design size in pixels, the pen width at that size, and its
// drawing as a path in pixel coordinates of the design size (x right, y down).
//
// A path is a list of strokes separated by ';'. A stroke is a sequence of commands:
//   M x y                     start at (x, y)
//   L x y                     line to (x, y)
//   A cx cy rx ry a0 a1       elliptic arc from angle a0 to a1 (degrees, counterclockwise on the
//                             screen): the points (cx + rx cos a, cy - ry sin a); it is joined to
//                             the stroke's current point by a line when there is one
//   C cx cy r                 a whole circle
//   D cx cy r                 a filled dot (a stroke of its own)
struct IconGlyph {
  int id;
  int width;
  int height;
  double penWidth;
  std::string_view path;
};

// Returns every icon resource in id order.
std::span<const IconGlyph> IconGlyphs();

// Returns the icon with resource id, or nullptr when there is none.
const IconGlyph* FindIconGlyph(int id);

struct GlyphPoint {
  double x;
  double y;
};

struct GlyphDot {
  GlyphPoint centre;
  double radius;
};

// A glyph flattened for drawing: open polylines (closed ones repeat their first point) and
// filled dots, in design pixels.
struct GlyphOutline {
  std::vector<std::vector<GlyphPoint>> strokes;
  std::vector<GlyphDot> dots;
};

// Returns the outline of a path, arcs flattened into chords of at most 5 degrees; on a malformed
// path returns nothing and sets error to a line naming the fault.
std::optional<GlyphOutline> ParseGlyphPath(std::string_view path, std::string& error);

}  // namespace caelix

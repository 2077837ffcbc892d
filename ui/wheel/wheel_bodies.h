#pragma once
// What the modern wheel knows about the chart's slots: which it draws as bodies, with which
// glyph, and how a pointer resting on one names it. The one place this knowledge lives for the
// modern wheel.
#include <span>
#include <string>

#include "chart/chart_result.h"

namespace caelix {

// The groups a --points selection names.
enum class WheelBodyGroup { Planet, Point, TableBody };

struct WheelBody {
  BodyId id;
  int glyphId;  // icon resource of the body's glyph
  WheelBodyGroup group;
  bool aspects;  // joined by aspect lines, as the aspects page pairs it
};

// Returns the bodies the modern wheel can draw, in BodyId order: the ten planets and the node,
// the Vertex and the Part of Fortune, and the twelve table bodies.
std::span<const WheelBody> ModernWheelBodies();

// Returns the entry of a body, or nullptr when the modern wheel never draws it.
const WheelBody* FindWheelBody(BodyId id);

// Returns the glyph resource of sign k (0 Aries to 11 Pisces), and of the retrograde sign.
int SignGlyphId(int sign);
int RetrogradeGlyphId();

// Returns the label a tap on the classic wheel gives a body ("So", "Ll" for Lilith), and for the
// bodies that wheel never draws their positions-page label ("Chiron", "Lilith true").
std::string TapLabel(BodyId id);

// Returns what a tap on a body names on the classic wheel: the label, a space, the position
// (FormatPosition); for the moving bodies (Sun to node, the table bodies) a space and the daily
// motion (FormatMotion). Example: "So 05Ar07   0.59".
std::string BodyTapText(const ChartResult& chart, BodyId id);

}  // namespace caelix

#pragma once
// The modern chart wheel as geometry: where every ring, tick, line, glyph and label of the
// picture goes, in picture pixels (x right, y down), before anything is drawn. Every size is a
// fixed fraction of the wheel's side, so the whole picture scales with it.
#include <string>
#include <vector>

#include "chart/chart_input.h"
#include "chart/chart_result.h"
#include "ui/wheel/wheel_selection.h"

namespace caelix {

struct WheelXY {
  double x = 0.0;
  double y = 0.0;
};

// An upright box by its centre and half sides (pixels).
struct WheelBox {
  double cx = 0.0;
  double cy = 0.0;
  double halfWidth = 0.0;
  double halfHeight = 0.0;
};

// True when the insides of two boxes share a point (boxes that only touch do not overlap).
bool BoxesOverlap(const WheelBox& a, const WheelBox& b);

enum class WheelLabelKind {
  ZodiacSign,   // a sign's glyph in the zodiac ring
  BodyGlyph,    // a body's glyph
  Degrees,      // whole degrees in the sign, "14°"
  SignGlyph,    // the sign a body or cusp stands in
  Minutes,      // arc minutes, "23′"
  Retrograde,   // the retrograde sign
  CuspDegrees,  // a cusp's degrees
  AngleName,    // "As", "Ds", "Mc", "Ic"
  HouseNumber,  // 1 to 12
  TableText,    // a label or number in the table of positions
};

// One glyph or one line of text and the box it is drawn in. A glyph is scaled to fit its box;
// text is centred in it (or starts at its left side when startAligned), at fontPx.
struct WheelLabel {
  WheelLabelKind kind = WheelLabelKind::BodyGlyph;
  WheelBox box;
  std::string text;
  int glyphId = 0;
  double fontPx = 0.0;
  bool startAligned = false;
};

struct PlacedBody {
  BodyId id = BodyId::NoBody;
  double longitude = 0.0;       // where it is, degrees
  double shownLongitude = 0.0;  // where its glyph is drawn, degrees
  bool retrograde = false;
  std::string tapText;             // what a tap on the classic wheel names
  std::vector<WheelLabel> labels;  // glyph, degrees, sign, minutes, and the retrograde sign
  WheelXY tickFrom, tickTo;        // the true position, just inside the zodiac ring
  std::vector<WheelXY> leader;     // from the tick to a displaced glyph; empty when in place
  WheelXY aspectPoint;             // the true position on the aspect circle
};

struct PlacedCusp {
  int house = 0;  // 1 to 12
  double longitude = 0.0;
  bool angle = false;  // As, Ic, Ds, Mc
  std::string tapText;
  WheelXY lineFrom, lineTo;     // across the house and body rings
  WheelXY outerFrom, outerTo;   // across the zodiac ring to its label
  std::vector<WheelXY> leader;  // from outerTo to a displaced label; empty when in place
  std::vector<WheelLabel> labels;
};

struct ZodiacSector {
  int sign = 0;                   // 0 Aries to 11 Pisces; its element is sign mod 4 (fire, earth, air, water)
  double fromDirectionDeg = 0.0;  // screen directions, counterclockwise from the x axis
  double toDirectionDeg = 0.0;
  WheelLabel glyph;
};

struct WheelTick {
  WheelXY from, to;
  int everyDeg = 1;  // 1, 5 or 10: how long and heavy
};

struct WheelAspect {
  BodyId a = BodyId::NoBody;
  BodyId b = BodyId::NoBody;
  double angleDeg = 0.0;
  AspectKind kind = AspectKind::Minor;
  double orbDeg = 0.0;  // how far the separation is from the exact angle
  WheelXY from, to;
};

struct HeaderLine {
  std::string text;
  double fontPx = 0.0;
  bool bold = false;
  WheelXY baseline;  // start of the line's baseline
};

struct TableRow {
  BodyId id = BodyId::NoBody;
  std::string tapText;
  std::vector<WheelLabel> labels;
};

struct ModernWheelOptions {
  int size = 480;  // side of the wheel's square, pixels
  PointSelection points = AllPoints();
  AspectSelection aspects = MajorAspects();
  bool table = false;
  std::string name;
  // The birth data as entered, when a local time was converted: the header shows this line above
  // the UT ("1985-07-14 09:20 Europe/Madrid (CEST, +02:00)"), and the place's name above the
  // coordinates ("Madrid, Spain"). Empty: the time was UT, the place coordinates.
  std::string localTime;
  std::string placeName;
};

struct ModernWheelLayout {
  double width = 0.0;  // the whole picture
  double height = 0.0;
  double size = 0.0;  // the wheel's square, below the header
  WheelXY centre;
  double zodiacOuter = 0.0, zodiacInner = 0.0;  // radii, pixels
  double houseOuter = 0.0, aspectRadius = 0.0;
  double thinStroke = 0.0, stroke = 0.0, heavyStroke = 0.0;  // line widths, pixels
  std::vector<ZodiacSector> signs;
  std::vector<WheelTick> ticks;
  std::vector<PlacedCusp> cusps;  // houses 1 to 12
  std::vector<WheelLabel> houseNumbers;
  std::vector<PlacedBody> bodies;  // in BodyId order
  std::vector<WheelAspect> aspects;
  std::vector<HeaderLine> header;
  std::vector<TableRow> table;
  std::string centreTitle;  // what a tap on the classic wheel's centre names
};

// Returns the layout of the modern wheel of chart: the zodiac ring shaded by element with 1, 5
// and 10 degree ticks; the twelve cusps (the angles heavier and named) with each cusp's degrees
// and sign outside the ring; the house numbers; each chosen body with a value as a column of
// glyph, degrees, sign, minutes and retrograde sign, spread around the wheel in zodiac order so
// that no two columns overlap, with a leader to its true position when moved; the chosen
// aspects between the bodies the aspects page pairs; the header (the name, the local time, the UT,
// the place's name, the coordinates and the house system, each line shrunk to the picture's
// width when too long), and the table when asked.
ModernWheelLayout LayoutModernWheel(const ChartInput& input, const ChartResult& chart,
                                    const ModernWheelOptions& options);

// Returns every label of a layout: zodiac glyphs, cusp labels, house numbers, body columns and
// the table.
std::vector<const WheelLabel*> AllLabels(const ModernWheelLayout& layout);

}  // namespace caelix

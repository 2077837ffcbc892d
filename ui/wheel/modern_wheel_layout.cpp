#include "ui/wheel/modern_wheel_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chart/catalogue.h"
#include "ui/pages/aspect_table.h"
#include "ui/pages/position_format.h"
#include "ui/wheel/header_text.h"
#include "ui/wheel/text_extent.h"
#include "ui/wheel/wheel_bodies.h"
#include "ui/wheel/wheel_geometry.h"
#include "ui/wheel/wheel_spread.h"

namespace caelix {
namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
constexpr double kRadToDeg = 180.0 / 3.14159265358979323846;

// Radii and sizes as fractions of the wheel's radius (half its side).
constexpr double kZodiacOuter = 0.86;
constexpr double kZodiacInner = 0.73;
constexpr double kZodiacGlyph = 0.075;
constexpr double kTick1 = 0.014, kTick5 = 0.026, kTick10 = 0.04;
constexpr double kCuspLabelGap = 0.012;  // between the zodiac ring and a cusp's label
constexpr double kCuspFont = 0.042, kCuspSign = 0.038, kAngleFont = 0.046;
constexpr double kBodyTick = 0.022;  // the true position's tick inside the zodiac ring
constexpr double kLeaderRoom = 0.012;
constexpr double kGlyph = 0.064, kDegreesFont = 0.046, kSign = 0.04, kMinutesFont = 0.04, kRetrograde = 0.034;
constexpr double kItemGap = 0.005;    // between the items of one column
constexpr double kColumnGap = 0.5;    // degrees between two columns
constexpr double kHouseRing = 0.075;  // width of the ring of house numbers
constexpr double kHouseFont = 0.042;
constexpr double kRingGap = 0.012;  // between the lowest column item and the house ring

// Sizes as fractions of the wheel's side.
constexpr double kThin = 0.0012, kNormal = 0.002, kHeavy = 0.0045;
constexpr double kHeaderFont = 0.026, kNameFont = 0.036, kHeaderMargin = 0.03;
constexpr double kBoldWidth = 1.1;  // a bold line is about a tenth wider than TextWidthEm's
constexpr double kTableFont = 0.026, kTableRow = 0.037, kTableGlyph = 0.03, kTableWidth = 0.48;

struct Polar {
  WheelXY centre;
  WheelXY operator()(double r, double psiDeg) const {
    return {centre.x + r * std::cos(psiDeg * kDegToRad), centre.y - r * std::sin(psiDeg * kDegToRad)};
  }
};

double Turn(double deg) {
  const double a = std::fmod(deg, 360.0) + (deg < 0.0 ? 360.0 : 0.0);
  return a >= 360.0 ? 0.0 : a;  // a tiny negative angle lands on 360 in floating point
}

bool HasValue(const BodySlot& slot) { return slot.longitude >= 0.0 && slot.longitude < 360.0; }

// Degrees, minutes (truncated, so the sign is the one the longitude lies in) and sign.
struct SignPosition {
  int degrees;
  int minutes;
  int sign;
};

SignPosition InSign(double longitude) {
  const long total = static_cast<long>(std::floor(Turn(longitude) * 60.0 + 1e-9)) % (360L * 60L);
  return {static_cast<int>(total / 60 % 30), static_cast<int>(total % 60), static_cast<int>(total / 1800)};
}

std::string DegreesText(int degrees) { return std::to_string(degrees) + "\u00b0"; }

std::string MinutesText(int minutes) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d\u2032", minutes);
  return buf;
}

WheelLabel Text(WheelLabelKind kind, std::string text, double fontPx, WheelXY at) {
  const double halfWidth = TextWidthEm(text) * fontPx / 2.0;
  return {kind, {at.x, at.y, halfWidth, kDigitHeightEm * fontPx / 2.0}, std::move(text), 0, fontPx, false};
}

WheelLabel Glyph(WheelLabelKind kind, int glyphId, double side, WheelXY at) {
  return {kind, {at.x, at.y, side / 2.0, side / 2.0}, {}, glyphId, 0.0, false};
}

double HalfDiagonal(double width, double height) { return std::hypot(width, height) / 2.0; }

// The half angle (degrees) of the sector that holds a disc of radius halfDiagonal at radius r.
double SectorHalfDeg(double halfDiagonal, double r) { return std::asin(std::min(1.0, halfDiagonal / r)) * kRadToDeg; }

// The radial step between two items of a column, wide enough at any angle: the half-sum box's
// diagonal.
double ColumnStep(double w1, double h1, double w2, double h2, double gap) {
  return std::hypot((w1 + w2) / 2.0, (h1 + h2) / 2.0) + gap;
}

// The longitudes of the twelve cusps: the computed ones and their opposites.
std::array<double, 12> CuspLongitudes(const ChartResult& chart) {
  const double as = chart[BodyId::Ascendant].longitude;
  const double mc = chart[BodyId::Midheaven].longitude;
  const double c2 = chart[BodyId::Cusp2].longitude;
  const double c3 = chart[BodyId::Cusp3].longitude;
  const double c11 = chart[BodyId::Cusp11].longitude;
  const double c12 = chart[BodyId::Cusp12].longitude;
  return {as, c2,  c3, Turn(mc + 180), Turn(c11 + 180), Turn(c12 + 180), Turn(as + 180), Turn(c2 + 180), Turn(c3 + 180),
          mc, c11, c12};
}

// The name of house cusp 1 to 12: the chart's own label for the computed ones (As, Mc, D02,
// ...), Ic and Ds for the angles opposite, D04 and so on for the other opposites.
std::string CuspName(int house) {
  constexpr struct {
    int house;
    BodyId id;
  } kComputed[] = {{1, BodyId::Ascendant},  {2, BodyId::Cusp2},   {3, BodyId::Cusp3},
                   {10, BodyId::Midheaven}, {11, BodyId::Cusp11}, {12, BodyId::Cusp12}};
  for (const auto& c : kComputed) {
    if (c.house == house) return std::string(BodyLabel(c.id));
  }
  if (house == 4) return "Ic";
  if (house == 7) return "Ds";
  char buf[16];
  std::snprintf(buf, sizeof buf, "D%02d", house);
  return buf;
}

// The ring radii of a body column's items (fractions of the radius), outermost first.
struct ColumnRings {
  double glyph, degrees, sign, minutes, retrograde, bottom;
};

ColumnRings MakeColumnRings() {
  const double degreesWidth = TextWidthEm("29\u00b0") * kDegreesFont;
  const double degreesHeight = kDigitHeightEm * kDegreesFont;
  const double minutesWidth = TextWidthEm("59\u2032") * kMinutesFont;
  const double minutesHeight = kDigitHeightEm * kMinutesFont;
  ColumnRings r{};
  r.glyph = kZodiacInner - kBodyTick - kLeaderRoom - HalfDiagonal(kGlyph, kGlyph);
  r.degrees = r.glyph - ColumnStep(kGlyph, kGlyph, degreesWidth, degreesHeight, kItemGap);
  r.sign = r.degrees - ColumnStep(degreesWidth, degreesHeight, kSign, kSign, kItemGap);
  r.minutes = r.sign - ColumnStep(kSign, kSign, minutesWidth, minutesHeight, kItemGap);
  r.retrograde = r.minutes - ColumnStep(minutesWidth, minutesHeight, kRetrograde, kRetrograde, kItemGap);
  r.bottom = r.retrograde - HalfDiagonal(kRetrograde, kRetrograde);
  return r;
}

// The widest half sector of a column, degrees: each item's disc at its ring.
double ColumnHalfDeg(const ColumnRings& r, bool retrograde) {
  const double degreesWidth = TextWidthEm("29\u00b0") * kDegreesFont;
  const double minutesWidth = TextWidthEm("59\u2032") * kMinutesFont;
  double half = std::max({SectorHalfDeg(HalfDiagonal(kGlyph, kGlyph), r.glyph),
                          SectorHalfDeg(HalfDiagonal(degreesWidth, kDigitHeightEm * kDegreesFont), r.degrees),
                          SectorHalfDeg(HalfDiagonal(kSign, kSign), r.sign),
                          SectorHalfDeg(HalfDiagonal(minutesWidth, kDigitHeightEm * kMinutesFont), r.minutes)});
  if (retrograde) half = std::max(half, SectorHalfDeg(HalfDiagonal(kRetrograde, kRetrograde), r.retrograde));
  return half;
}

bool BodyRetrograde(BodyId id, const BodySlot& slot) {
  if (!SlotOf(id).hasNext) return false;
  if (!HasValue({slot.longitudeNext, 0, 0, 0})) return false;  // a table's last day
  return IsRetrograde(slot.longitude, slot.longitudeNext);
}

std::string DateTimeText(const ChartInput& in) {
  const int seconds = static_cast<int>(std::lround((in.minute - std::floor(in.minute)) * 60.0));
  int minute = static_cast<int>(std::floor(in.minute));
  char buf[96];
  if (seconds == 0 || seconds == 60) {
    minute += seconds / 60;
    std::snprintf(buf, sizeof buf, "%s%04d-%02d-%02d %02d:%02d UT", in.year < 0 ? "-" : "",
                  static_cast<int>(std::fabs(in.year)), static_cast<int>(in.month), static_cast<int>(in.day),
                  static_cast<int>(in.hour), minute);
  } else {
    std::snprintf(buf, sizeof buf, "%s%04d-%02d-%02d %02d:%02d:%02d UT", in.year < 0 ? "-" : "",
                  static_cast<int>(std::fabs(in.year)), static_cast<int>(in.month), static_cast<int>(in.day),
                  static_cast<int>(in.hour), minute, seconds);
  }
  return buf;
}

// "50°05′N": whole degrees and rounded minutes of |value|, then the hemisphere letter.
std::string Coordinate(double value, char positive, char negative) {
  const long minutes = std::lround(std::fabs(value) * 60.0);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%ld\u00b0%02ld\u2032%c", minutes / 60, minutes % 60, value < 0 ? negative : positive);
  return buf;
}

}  // namespace

bool BoxesOverlap(const WheelBox& a, const WheelBox& b) {
  return std::fabs(a.cx - b.cx) < a.halfWidth + b.halfWidth && std::fabs(a.cy - b.cy) < a.halfHeight + b.halfHeight;
}

ModernWheelLayout LayoutModernWheel(const ChartInput& input, const ChartResult& chart,
                                    const ModernWheelOptions& options) {
  ModernWheelLayout out;
  const double side = options.size;
  const double radius = side / 2.0;

  // Whole pixels, so a raster of the picture has the picture's own size.
  out.width = std::ceil(side * (options.table ? 1.0 + kTableWidth : 1.0));

  // Header: a line too long for the picture is set smaller, so that it ends inside it.
  double y = kHeaderMargin * side;
  const double lineRoom = out.width - 2.0 * kHeaderMargin * side;
  const auto addLine = [&](std::string text, double font, bool bold) {
    font = std::min(font, lineRoom / std::max(TextWidthEm(text) * (bold ? kBoldWidth : 1.0), 1e-9));
    y += font;
    out.header.push_back({std::move(text), font, bold, {kHeaderMargin * side, y}});
    y += 0.35 * font;
  };
  if (!options.name.empty()) addLine(options.name, kNameFont * side, true);
  if (!options.localTime.empty()) addLine(options.localTime, kHeaderFont * side, false);
  addLine(DateTimeText(input), kHeaderFont * side, false);
  if (!options.placeName.empty()) addLine(options.placeName, kHeaderFont * side, false);
  addLine(Coordinate(input.latitude, 'N', 'S') + " " + Coordinate(input.longitude, 'E', 'W'), kHeaderFont * side,
          false);
  addLine(std::string(input.houseName()) + " houses", kHeaderFont * side, false);
  const double top = y;

  out.size = side;
  out.height = std::ceil(top + side);
  out.centre = {radius, top + radius};
  out.zodiacOuter = kZodiacOuter * radius;
  out.zodiacInner = kZodiacInner * radius;
  out.thinStroke = kThin * side;
  out.stroke = kNormal * side;
  out.heavyStroke = kHeavy * side;
  out.centreTitle = BuildHeaderText(input);
  const Polar at{out.centre};
  const double asc = chart[BodyId::Ascendant].longitude;
  const auto dir = [asc](double lambda) { return WheelDirection(lambda, asc); };

  // Zodiac ring.
  for (int k = 0; k < 12; ++k) {
    const double from = dir(30.0 * k);
    out.signs.push_back({k, from, from + 30.0,
                         Glyph(WheelLabelKind::ZodiacSign, SignGlyphId(k), kZodiacGlyph * radius,
                               at((kZodiacOuter + kZodiacInner) / 2.0 * radius, from + 15.0))});
  }
  for (int d = 0; d < 360; ++d) {
    const int every = d % 10 == 0 ? 10 : d % 5 == 0 ? 5 : 1;
    const double length = every == 10 ? kTick10 : every == 5 ? kTick5 : kTick1;
    out.ticks.push_back({at(out.zodiacInner, dir(d)), at((kZodiacInner + length) * radius, dir(d)), every});
  }

  // Body columns, spread in zodiac order.
  const ColumnRings rings = MakeColumnRings();
  out.houseOuter = (rings.bottom - kRingGap) * radius;
  out.aspectRadius = out.houseOuter - kHouseRing * radius;
  std::vector<SpreadItem> spread;
  for (const WheelBody& body : ModernWheelBodies()) {
    const BodySlot& slot = chart[body.id];
    if (!options.points[static_cast<std::size_t>(body.id)] || !HasValue(slot)) continue;
    PlacedBody placed;
    placed.id = body.id;
    placed.longitude = slot.longitude;
    placed.retrograde = BodyRetrograde(body.id, slot);
    placed.tapText = BodyTapText(chart, body.id);
    out.bodies.push_back(std::move(placed));
    spread.push_back({slot.longitude, ColumnHalfDeg(rings, out.bodies.back().retrograde)});
  }
  const std::vector<double> shown = SpreadAroundCircle(spread, kColumnGap);
  for (std::size_t i = 0; i < out.bodies.size(); ++i) {
    PlacedBody& body = out.bodies[i];
    body.shownLongitude = shown[i];
    const double psi = dir(shown[i]);
    const double psiTrue = dir(body.longitude);
    const SignPosition p = InSign(body.longitude);
    body.labels.push_back(Glyph(WheelLabelKind::BodyGlyph, FindWheelBody(body.id)->glyphId, kGlyph * radius,
                                at(rings.glyph * radius, psi)));
    body.labels.push_back(
        Text(WheelLabelKind::Degrees, DegreesText(p.degrees), kDegreesFont * radius, at(rings.degrees * radius, psi)));
    body.labels.push_back(
        Glyph(WheelLabelKind::SignGlyph, SignGlyphId(p.sign), kSign * radius, at(rings.sign * radius, psi)));
    body.labels.push_back(
        Text(WheelLabelKind::Minutes, MinutesText(p.minutes), kMinutesFont * radius, at(rings.minutes * radius, psi)));
    if (body.retrograde) {
      body.labels.push_back(Glyph(WheelLabelKind::Retrograde, RetrogradeGlyphId(), kRetrograde * radius,
                                  at(rings.retrograde * radius, psi)));
    }
    body.tickFrom = at(out.zodiacInner, psiTrue);
    body.tickTo = at((kZodiacInner - kBodyTick) * radius, psiTrue);
    const double moved = std::fabs(std::remainder(shown[i] - body.longitude, 360.0));
    if (moved > 0.25) {
      body.leader = {body.tickTo, at((rings.glyph + kGlyph / 2.0 + kItemGap) * radius, psi)};
    }
    body.aspectPoint = at(out.aspectRadius, psiTrue);
  }

  // Cusps, their labels outside the zodiac ring, and the house numbers.
  const std::array<double, 12> cusps = CuspLongitudes(chart);
  const double labelBase = (kZodiacOuter + kCuspLabelGap) * radius;
  std::vector<SpreadItem> cuspSpread;
  std::vector<WheelBox> groups;  // each label's whole box, its items laid out inside once placed
  for (int h = 1; h <= 12; ++h) {
    PlacedCusp cusp;
    cusp.house = h;
    cusp.longitude = cusps[static_cast<std::size_t>(h - 1)];
    cusp.angle = h == 1 || h == 4 || h == 7 || h == 10;
    cusp.tapText = CuspName(h) + ' ' + FormatPosition(cusp.longitude);
    const SignPosition p = InSign(cusp.longitude);
    const WheelLabel degrees = Text(WheelLabelKind::CuspDegrees, DegreesText(p.degrees), kCuspFont * radius, {});
    const double rowWidth = 2.0 * degrees.box.halfWidth + (kCuspSign + 0.008) * radius;
    const double rowHeight = std::max(2.0 * degrees.box.halfHeight, kCuspSign * radius);
    double width = rowWidth;
    double height = rowHeight;
    if (cusp.angle) {
      const WheelLabel name = Text(WheelLabelKind::AngleName, CuspName(h), kAngleFont * radius, {});
      width = std::max(width, 2.0 * name.box.halfWidth);
      height += 2.0 * name.box.halfHeight + 0.006 * radius;
    }
    cusp.labels.push_back(degrees);
    cusp.labels.push_back(Glyph(WheelLabelKind::SignGlyph, SignGlyphId(p.sign), kCuspSign * radius, {}));
    if (cusp.angle) cusp.labels.push_back(Text(WheelLabelKind::AngleName, CuspName(h), kAngleFont * radius, {}));
    groups.push_back({0.0, 0.0, width / 2.0, height / 2.0});
    cuspSpread.push_back(
        {cusp.longitude, SectorHalfDeg(HalfDiagonal(width, height), labelBase + std::min(width, height) / 2.0)});
    out.cusps.push_back(std::move(cusp));
  }
  const std::vector<double> cuspShown = SpreadAroundCircle(cuspSpread, kColumnGap);
  for (std::size_t i = 0; i < out.cusps.size(); ++i) {
    PlacedCusp& cusp = out.cusps[i];
    const double psi = dir(cuspShown[i]);
    const double psiTrue = dir(cusp.longitude);
    const WheelBox& group = groups[i];
    // Beyond the tangent at labelBase in the label's direction, so it never touches the ring.
    const double ux = std::cos(psi * kDegToRad);
    const double uy = -std::sin(psi * kDegToRad);
    const double distance = labelBase + std::fabs(ux) * group.halfWidth + std::fabs(uy) * group.halfHeight;
    const WheelXY c = {out.centre.x + distance * ux, out.centre.y + distance * uy};
    WheelLabel& degrees = cusp.labels[0];
    WheelLabel& sign = cusp.labels[1];
    const double rowWidth = 2.0 * degrees.box.halfWidth + (kCuspSign + 0.008) * radius;
    const double rowHeight = std::max(2.0 * degrees.box.halfHeight, kCuspSign * radius);
    const double rowY = c.y + group.halfHeight - rowHeight / 2.0;
    degrees.box.cx = c.x - rowWidth / 2.0 + degrees.box.halfWidth;
    degrees.box.cy = rowY;
    sign.box.cx = c.x + rowWidth / 2.0 - sign.box.halfWidth;
    sign.box.cy = rowY;
    if (cusp.angle) {
      WheelLabel& name = cusp.labels[2];
      name.box.cx = c.x;
      name.box.cy = c.y - group.halfHeight + name.box.halfHeight;
    }
    cusp.lineFrom = at(out.aspectRadius, psiTrue);
    cusp.lineTo = at(out.zodiacInner, psiTrue);
    cusp.outerFrom = at(out.zodiacOuter, psiTrue);
    cusp.outerTo = at(labelBase, psiTrue);
    if (std::fabs(std::remainder(cuspShown[i] - cusp.longitude, 360.0)) > 0.25) {
      cusp.leader = {cusp.outerTo, at(labelBase, psi)};
    }
  }
  const double houseRadius = (out.houseOuter + out.aspectRadius) / 2.0;
  std::vector<SpreadItem> houseSpread;
  for (std::size_t h = 0; h < 12; ++h) {
    const double from = cusps[h];
    const double arc = Turn(cusps[(h + 1) % 12] - from);
    const WheelLabel number = Text(WheelLabelKind::HouseNumber, std::to_string(h + 1), kHouseFont * radius, {});
    houseSpread.push_back(
        {from + arc / 2.0,
         SectorHalfDeg(HalfDiagonal(2 * number.box.halfWidth, 2 * number.box.halfHeight), houseRadius)});
  }
  const std::vector<double> houseShown = SpreadAroundCircle(houseSpread, kColumnGap);
  for (std::size_t h = 0; h < 12; ++h) {
    out.houseNumbers.push_back(Text(WheelLabelKind::HouseNumber, std::to_string(h + 1), kHouseFont * radius,
                                    at(houseRadius, dir(houseShown[h]))));
  }

  // Aspects between the drawn bodies the aspects page pairs: Sun to node with each other and
  // with the other points it lists.
  for (std::size_t i = 0; i < out.bodies.size(); ++i) {
    for (std::size_t j = i + 1; j < out.bodies.size(); ++j) {
      const PlacedBody& a = out.bodies[i];
      const PlacedBody& b = out.bodies[j];
      if (!FindWheelBody(a.id)->aspects || !FindWheelBody(b.id)->aspects) continue;
      if (SlotOf(a.id).section != PageSection::Bodies && SlotOf(b.id).section != PageSection::Bodies) continue;
      const double angle = FindAspect(a.longitude, b.longitude);
      if (angle == kNoAspect) continue;
      std::size_t entry = 0;
      while (kAspectTable[entry].angleDeg != angle) ++entry;
      if (!options.aspects[entry]) continue;
      const double separation = std::fabs(std::remainder(a.longitude - b.longitude, 360.0));
      out.aspects.push_back(
          {a.id, b.id, angle, AspectKindOf(angle), std::fabs(separation - angle), a.aspectPoint, b.aspectPoint});
    }
  }

  // The table of positions, beside the wheel.
  if (options.table) {
    const double x0 = side * 1.02;
    const std::size_t rows = out.bodies.size() + 2;
    const double rowHeight = std::min(kTableRow * side, 0.96 * side / static_cast<double>(rows));
    double rowY = top + 0.02 * side + rowHeight / 2.0;
    const auto addRow = [&](BodyId id, int glyphId, const std::string& label, double longitude, bool retrograde,
                            std::string tapText) {
      TableRow row{id, std::move(tapText), {}};
      const double font = kTableFont * side;
      const SignPosition p = InSign(longitude);
      if (glyphId != 0)
        row.labels.push_back(Glyph(WheelLabelKind::BodyGlyph, glyphId, kTableGlyph * side, {x0 + 0.02 * side, rowY}));
      WheelLabel name = Text(WheelLabelKind::TableText, label, font, {});
      name.startAligned = true;
      name.box.cx = x0 + 0.045 * side + name.box.halfWidth;
      name.box.cy = rowY;
      row.labels.push_back(name);
      WheelLabel degrees = Text(WheelLabelKind::TableText, DegreesText(p.degrees), font, {});
      degrees.box.cx = x0 + 0.30 * side - degrees.box.halfWidth;  // right-aligned on the sign
      degrees.box.cy = rowY;
      row.labels.push_back(degrees);
      row.labels.push_back(
          Glyph(WheelLabelKind::SignGlyph, SignGlyphId(p.sign), kTableGlyph * side * 0.8, {x0 + 0.325 * side, rowY}));
      row.labels.push_back(Text(WheelLabelKind::TableText, MinutesText(p.minutes), font, {x0 + 0.375 * side, rowY}));
      if (retrograde) {
        row.labels.push_back(
            Glyph(WheelLabelKind::Retrograde, RetrogradeGlyphId(), kTableGlyph * side * 0.8, {x0 + 0.43 * side, rowY}));
      }
      out.table.push_back(std::move(row));
      rowY += rowHeight;
    };
    for (const PlacedBody& body : out.bodies) {
      addRow(body.id, FindWheelBody(body.id)->glyphId, TapLabel(body.id), body.longitude, body.retrograde,
             body.tapText);
    }
    for (const PlacedCusp& cusp : out.cusps) {
      if (cusp.house == 1 || cusp.house == 10) {
        addRow(cusp.house == 1 ? BodyId::Ascendant : BodyId::Midheaven, 0, CuspName(cusp.house), cusp.longitude, false,
               cusp.tapText);
      }
    }
  }
  return out;
}

std::vector<const WheelLabel*> AllLabels(const ModernWheelLayout& layout) {
  std::vector<const WheelLabel*> all;
  for (const ZodiacSector& s : layout.signs) all.push_back(&s.glyph);
  for (const PlacedCusp& c : layout.cusps) {
    for (const WheelLabel& l : c.labels) all.push_back(&l);
  }
  for (const WheelLabel& l : layout.houseNumbers) all.push_back(&l);
  for (const PlacedBody& b : layout.bodies) {
    for (const WheelLabel& l : b.labels) all.push_back(&l);
  }
  for (const TableRow& r : layout.table) {
    for (const WheelLabel& l : r.labels) all.push_back(&l);
  }
  return all;
}

}  // namespace caelix

#include "cli/modern_wheel_svg.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "platform/glyph_paths.h"
#include "platform/svg_surface.h"

namespace caelix {
namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

struct Colour {
  const char* name;
  const char* light;
  const char* dark;
  const char* print;
};

// The theme's colours: page, ink, secondary ink, rules, the four elements, the aspect kinds.
constexpr Colour kColours[] = {
    {"bg", "#ffffff", "#14171d", "#ffffff"},    {"ink", "#1d2330", "#e9ebef", "#000000"},
    {"muted", "#5c6675", "#a3abb8", "#000000"}, {"rule", "#a7afbb", "#555e6c", "#000000"},
    {"fire", "#fbe1d6", "#40261f", "#ffffff"},  {"earth", "#e2edd6", "#243320", "#e6e6e6"},
    {"air", "#faf0c8", "#3a3420", "#f4f4f4"},   {"water", "#d9e7f6", "#1b2b40", "#d8d8d8"},
    {"hard", "#c8364a", "#ff6b7c", "#000000"},  {"soft", "#2368c4", "#6aaaf5", "#000000"},
    {"minor", "#3f8f5a", "#6fd09a", "#000000"},
};

constexpr const char* kElements[] = {"fire", "earth", "air", "water"};

const char* ColourOf(const Colour& c, WheelTheme theme) {
  switch (theme) {
    case WheelTheme::Light:
      return c.light;
    case WheelTheme::Dark:
      return c.dark;
    case WheelTheme::Print:
      break;
  }
  return c.print;
}

const char* ThemeName(WheelTheme theme) {
  switch (theme) {
    case WheelTheme::Light:
      return "light";
    case WheelTheme::Dark:
      return "dark";
    case WheelTheme::Print:
      break;
  }
  return "print";
}

template <class... Parts>
void Append(std::string& out, const Parts&... parts) {
  (out.append(parts), ...);
}

class Writer {
 public:
  Writer(const ModernWheelLayout& layout, WheelTheme theme) : layout_(layout), theme_(theme) {}

  std::string Document();

 private:
  void Style();
  void Zodiac();
  void Houses();
  void Aspects();
  void Bodies();
  void Table();
  void Line(WheelXY a, WheelXY b, const char* cls);
  void Polyline(const std::vector<WheelXY>& points, const char* cls);
  // How a label is painted: with a thin halo of its own (paint-order), only its wide halo (a
  // layer under all the labels, so that no line beneath runs into them and no halo covers a
  // neighbour), or only its ink.
  enum class Paint { WithHalo, HaloOnly, InkOnly };
  void Label(const WheelLabel& label, Paint paint);
  void GlyphAt(int glyphId, const WheelBox& box, Paint paint);
  // The width of the wide halo, pixels: enough to hide the heavy angle lines under a label.
  double WideHalo() const { return layout_.heavyStroke + layout_.stroke; }
  WheelXY At(double r, double psiDeg) const {
    return {layout_.centre.x + r * std::cos(psiDeg * kDegToRad), layout_.centre.y - r * std::sin(psiDeg * kDegToRad)};
  }
  std::string Rule(const char* selector, const char* property, const char* colour) const;

  const ModernWheelLayout& layout_;
  WheelTheme theme_;
  std::string out_;
};

std::string Writer::Rule(const char* selector, const char* property, const char* colour) const {
  for (const Colour& c : kColours) {
    if (std::string_view(c.name) == colour) {
      // The plain value first: a renderer without CSS variables drops the second declaration.
      return std::string(selector) + "{" + property + ":" + ColourOf(c, theme_) + ";" + property + ":var(--" + colour +
             ")}\n";
    }
  }
  return {};
}

void Writer::Style() {
  const double side = layout_.size;
  out_ += "<style>\n.caelix-wheel{";
  for (const Colour& c : kColours) Append(out_, "--", c.name, ":", ColourOf(c, theme_), ";");
  out_ += "}\n";
  out_ += Rule(".bg", "fill", "bg");
  out_ += Rule(".face", "fill", "bg");
  for (const char* e : kElements) out_ += Rule((std::string(".") + e).c_str(), "fill", e);
  for (const char* cls : {".ring", ".angle", ".glyph"}) out_ += Rule(cls, "stroke", "ink");
  for (const char* cls : {".tick", ".leader"}) out_ += Rule(cls, "stroke", "muted");
  out_ += Rule(".cusp", "stroke", "rule");
  for (const char* cls : {".text", ".dot"}) out_ += Rule(cls, "fill", "ink");
  // text.halo and text.under outrank .text's "stroke:none".
  out_ += Rule(".halo,text.halo", "stroke", "bg");
  out_ += Rule(".under,text.under", "stroke", "bg");
  out_ += Rule("text.under", "fill", "bg");
  Append(out_, ".glyph-halo,path.under{fill:none;stroke-linecap:round;stroke-linejoin:round}\n");
  Append(out_, "text.under{stroke-linejoin:round}\n");
  for (const char* kind : {"hard", "soft", "minor"}) {
    out_ += Rule((std::string(".") + kind).c_str(), "stroke", kind);
  }
  Append(out_, ".ring,.glyph,.tick,.cusp,.angle,.leader,.hard,.soft,.minor{fill:none;stroke-linecap:round}\n");
  Append(out_, ".glyph{stroke-linejoin:round}\n");
  Append(out_, ".ring,.cusp,.leader,.tick{stroke-width:", SvgNumber(layout_.thinStroke), "px}\n");
  Append(out_, ".ring.main{stroke-width:", SvgNumber(layout_.stroke), "px}\n");
  Append(out_, ".angle{stroke-width:", SvgNumber(layout_.heavyStroke), "px}\n");
  Append(out_, ".tick.t5{stroke-width:", SvgNumber(layout_.stroke * 0.8), "px}\n");
  Append(out_, ".tick.t10{stroke-width:", SvgNumber(layout_.stroke), "px}\n");
  Append(out_, ".hard,.soft,.minor{stroke-width:", SvgNumber(layout_.stroke), "px}\n");
  Append(out_, ".soft{stroke-dasharray:", SvgNumber(0.012 * side), " ", SvgNumber(0.005 * side), "}\n");
  Append(out_, ".minor{stroke-dasharray:", SvgNumber(0.003 * side), " ", SvgNumber(0.005 * side), "}\n");
  Append(out_, ".text{font-family:'DejaVu Sans',Verdana,sans-serif;stroke:none}\n");
  Append(out_, ".text.bold{font-weight:bold}\n");
  Append(out_, ".halo{stroke-width:", SvgNumber(layout_.stroke * 1.5),
         "px;stroke-linejoin:round;paint-order:stroke}\n");
  out_ += "</style>\n";
}

void Writer::Line(WheelXY a, WheelXY b, const char* cls) {
  Append(out_, "<line class=\"", cls, "\" x1=\"", SvgNumber(a.x), "\" y1=\"", SvgNumber(a.y), "\" x2=\"",
         SvgNumber(b.x), "\" y2=\"", SvgNumber(b.y), "\"/>\n");
}

void Writer::Polyline(const std::vector<WheelXY>& points, const char* cls) {
  Append(out_, "<polyline class=\"", cls, "\" points=\"");
  for (std::size_t i = 0; i < points.size(); ++i) {
    Append(out_, i == 0 ? "" : " ", SvgNumber(points[i].x), ",", SvgNumber(points[i].y));
  }
  out_ += "\"/>\n";
}

void Writer::GlyphAt(int glyphId, const WheelBox& box, Paint paint) {
  const auto glyph = FitGlyph(glyphId, box.cx, box.cy, box.halfWidth, box.halfHeight);
  if (!glyph) return;
  // The halo, in the page's colour, keeps the lines beneath from running into the glyph (a style
  // attribute, since the .halo rule's width would override a presentation attribute).
  if (paint == Paint::WithHalo) {
    Append(out_,
           "<path class=\"halo glyph-halo\" style=\"stroke-width:", SvgNumber(glyph->penWidth + 2.0 * layout_.stroke),
           "px\" d=\"", glyph->pathData, "\"/>\n");
  }
  if (paint == Paint::HaloOnly) {
    Append(out_, "<path class=\"under\" style=\"stroke-width:", SvgNumber(glyph->penWidth + WideHalo()), "px\" d=\"",
           glyph->pathData, "\"/>\n");
    return;
  }
  Append(out_, "<path class=\"glyph\" stroke-width=\"", SvgNumber(glyph->penWidth), "\" d=\"", glyph->pathData,
         "\"/>\n");
  for (const FittedDot& dot : glyph->dots) {
    Append(out_, "<circle class=\"dot\" cx=\"", SvgNumber(dot.cx), "\" cy=\"", SvgNumber(dot.cy), "\" r=\"",
           SvgNumber(dot.r), "\"/>\n");
  }
}

void Writer::Label(const WheelLabel& label, Paint paint) {
  const bool plain = label.kind == WheelLabelKind::ZodiacSign || label.kind == WheelLabelKind::TableText;
  if (plain && paint == Paint::HaloOnly) return;
  if (plain && paint == Paint::WithHalo) paint = Paint::InkOnly;
  if (label.glyphId != 0) {
    GlyphAt(label.glyphId, label.box, paint);
    return;
  }
  const bool bold = label.kind == WheelLabelKind::AngleName;
  const char* cls = paint == Paint::HaloOnly ? "text under" : paint == Paint::WithHalo ? "text halo" : "text";
  const double x = label.startAligned ? label.box.cx - label.box.halfWidth : label.box.cx;
  Append(out_, "<text class=\"", cls, bold ? " bold" : "", "\" x=\"", SvgNumber(x), "\" y=\"",
         SvgNumber(label.box.cy + 0.365 * label.fontPx), "\" font-size=\"", SvgNumber(label.fontPx), "\"");
  if (paint == Paint::HaloOnly) Append(out_, " style=\"stroke-width:", SvgNumber(WideHalo()), "px\"");
  Append(out_, label.startAligned ? "" : " text-anchor=\"middle\"", ">", EscapeXml(label.text), "</text>\n");
}

void Writer::Zodiac() {
  const double ro = layout_.zodiacOuter;
  const double ri = layout_.zodiacInner;
  static constexpr const char* kSignNames[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                               "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
  out_ += "<g class=\"zodiac\">\n";
  for (const ZodiacSector& s : layout_.signs) {
    const WheelXY a = At(ro, s.fromDirectionDeg);
    const WheelXY b = At(ro, s.toDirectionDeg);
    const WheelXY c = At(ri, s.toDirectionDeg);
    const WheelXY d = At(ri, s.fromDirectionDeg);
    // Counterclockwise on the screen is the negative sweep in SVG's downward y.
    Append(out_, "<g data-sign=\"", kSignNames[s.sign], "\"><title>", kSignNames[s.sign], "</title><path class=\"",
           kElements[s.sign % 4], "\" d=\"M", SvgNumber(a.x), " ", SvgNumber(a.y), "A", SvgNumber(ro), " ",
           SvgNumber(ro), " 0 0 0 ", SvgNumber(b.x), " ", SvgNumber(b.y), "L", SvgNumber(c.x), " ", SvgNumber(c.y), "A",
           SvgNumber(ri), " ", SvgNumber(ri), " 0 0 1 ", SvgNumber(d.x), " ", SvgNumber(d.y), "Z\"/>\n");
    GlyphAt(s.glyph.glyphId, s.glyph.box, Paint::InkOnly);
    out_ += "</g>\n";
  }
  for (const ZodiacSector& s : layout_.signs) Line(At(ri, s.fromDirectionDeg), At(ro, s.fromDirectionDeg), "ring");
  for (const WheelTick& t : layout_.ticks) {
    Line(t.from, t.to, t.everyDeg == 10 ? "tick t10" : t.everyDeg == 5 ? "tick t5" : "tick");
  }
  for (const double r : {ro, ri}) {
    Append(out_, "<circle class=\"ring main\" cx=\"", SvgNumber(layout_.centre.x), "\" cy=\"",
           SvgNumber(layout_.centre.y), "\" r=\"", SvgNumber(r), "\"/>\n");
  }
  out_ += "</g>\n";
}

void Writer::Houses() {
  out_ += "<g class=\"houses\">\n";
  for (const PlacedCusp& c : layout_.cusps) Line(c.lineFrom, c.lineTo, c.angle ? "angle" : "cusp");
  Append(out_, "<circle class=\"ring\" cx=\"", SvgNumber(layout_.centre.x), "\" cy=\"", SvgNumber(layout_.centre.y),
         "\" r=\"", SvgNumber(layout_.houseOuter), "\"/>\n");
  for (const WheelLabel& n : layout_.houseNumbers) Label(n, Paint::WithHalo);
  for (const PlacedCusp& c : layout_.cusps) {
    Append(out_, "<g data-cusp=\"", std::to_string(c.house), "\" data-longitude=\"", SvgNumber(c.longitude),
           "\"><title>", EscapeXml(c.tapText), "</title>\n");
    Line(c.outerFrom, c.outerTo, c.angle ? "angle" : "cusp");
    if (!c.leader.empty()) Polyline(c.leader, "leader");
    for (const WheelLabel& l : c.labels) Label(l, Paint::WithHalo);
    out_ += "</g>\n";
  }
  out_ += "</g>\n";
}

void Writer::Aspects() {
  // The centre names the chart.
  Append(out_, "<circle class=\"face ring\" cx=\"", SvgNumber(layout_.centre.x), "\" cy=\"",
         SvgNumber(layout_.centre.y), "\" r=\"", SvgNumber(layout_.aspectRadius), "\"><title>",
         EscapeXml(layout_.centreTitle), "</title></circle>\n");
  out_ += "<g class=\"aspects\">\n";
  for (const WheelAspect& a : layout_.aspects) {
    const std::string kind(AspectKindName(a.kind));
    char orb[32];
    std::snprintf(orb, sizeof orb, "%d\u00b0%02d\u2032", static_cast<int>(a.orbDeg),
                  static_cast<int>(std::lround((a.orbDeg - std::floor(a.orbDeg)) * 60.0)) % 60);
    Append(out_, "<line class=\"", kind, "\" data-aspect=\"", SvgNumber(a.angleDeg), "\" data-bodies=\"", BodyKey(a.a),
           " ", BodyKey(a.b), "\" x1=\"", SvgNumber(a.from.x), "\" y1=\"", SvgNumber(a.from.y), "\" x2=\"",
           SvgNumber(a.to.x), "\" y2=\"", SvgNumber(a.to.y), "\"><title>", BodyLabel(a.a), " ", AspectName(a.angleDeg),
           " ", BodyLabel(a.b), ", orb ", orb, "</title></line>\n");
  }
  out_ += "</g>\n";
}

// Three layers: the true positions' ticks and the leaders, the halos of every label, then each
// body's labels, so that neither a cusp line nor another body's leader runs through a label.
void Writer::Bodies() {
  out_ += "<g class=\"bodies\">\n<g class=\"leaders\">\n";
  for (const PlacedBody& b : layout_.bodies) {
    Line(b.tickFrom, b.tickTo, "angle");
    if (!b.leader.empty()) Polyline(b.leader, "leader");
  }
  out_ += "</g>\n<g class=\"halos\">\n";
  for (const PlacedBody& b : layout_.bodies) {
    for (const WheelLabel& l : b.labels) Label(l, Paint::HaloOnly);
  }
  out_ += "</g>\n";
  for (const PlacedBody& b : layout_.bodies) {
    char longitude[32];
    std::snprintf(longitude, sizeof longitude, "%.4f", b.longitude);
    Append(out_, "<g class=\"body\" data-body=\"", BodyKey(b.id), "\" data-longitude=\"", longitude,
           b.retrograde ? "\" data-retrograde=\"true" : "", "\"><title>", EscapeXml(b.tapText), "</title>\n");
    for (const WheelLabel& l : b.labels) Label(l, Paint::InkOnly);
    out_ += "</g>\n";
  }
  out_ += "</g>\n";
}

void Writer::Table() {
  if (layout_.table.empty()) return;
  out_ += "<g class=\"table\">\n";
  for (const TableRow& row : layout_.table) {
    Append(out_, "<g data-body=\"", BodyKey(row.id), "\"><title>", EscapeXml(row.tapText), "</title>\n");
    for (const WheelLabel& l : row.labels) Label(l, Paint::InkOnly);
    out_ += "</g>\n";
  }
  out_ += "</g>\n";
}

std::string Writer::Document() {
  const std::string w = SvgNumber(layout_.width);
  const std::string h = SvgNumber(layout_.height);
  Append(out_, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", w,
         "\" height=\"", h, "\" viewBox=\"0 0 ", w, " ", h, "\" class=\"caelix-wheel\" data-theme=\"",
         ThemeName(theme_), "\">\n");
  Style();
  Append(out_, "<rect class=\"bg\" width=\"", w, "\" height=\"", h, "\"/>\n<g class=\"header\">\n");
  for (const HeaderLine& line : layout_.header) {
    Append(out_, "<text class=\"text", line.bold ? " bold" : "", "\" x=\"", SvgNumber(line.baseline.x), "\" y=\"",
           SvgNumber(line.baseline.y), "\" font-size=\"", SvgNumber(line.fontPx), "\">", EscapeXml(line.text),
           "</text>\n");
  }
  out_ += "</g>\n";
  Zodiac();
  Aspects();
  Houses();
  Bodies();
  Table();
  out_ += "</svg>\n";
  return std::move(out_);
}

}  // namespace

std::optional<WheelTheme> ParseWheelTheme(std::string_view word) {
  std::string lower(word);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "light") return WheelTheme::Light;
  if (lower == "dark") return WheelTheme::Dark;
  if (lower == "print") return WheelTheme::Print;
  return std::nullopt;
}

std::string ModernWheelSvg(const ModernWheelLayout& layout, WheelTheme theme) {
  return Writer(layout, theme).Document();
}

}  // namespace caelix

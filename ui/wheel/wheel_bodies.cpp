#include "ui/wheel/wheel_bodies.h"

#include <algorithm>
#include <array>

#include "chart/catalogue.h"
#include "ui/pages/position_format.h"

namespace caelix {
namespace {

// The glyph each body takes on the modern wheel; the rest (group, motion, labels) is the
// catalogue's.
struct ModernGlyph {
  BodyId id;
  int glyphId;
};

constexpr ModernGlyph kGlyphs[] = {
    {BodyId::Sun, 152},           {BodyId::Moon, 151},    {BodyId::Mercury, 150},    {BodyId::Venus, 149},
    {BodyId::Mars, 148},          {BodyId::Jupiter, 147}, {BodyId::Saturn, 146},     {BodyId::Uranus, 141},
    {BodyId::Neptune, 143},       {BodyId::Pluto, 144},   {BodyId::MeanNode, 153},   {BodyId::Vertex, 211},
    {BodyId::PartOfFortune, 155}, {BodyId::Lilith, 210},  {BodyId::LilithTrue, 212}, {BodyId::Selena, 213},
    {BodyId::Waldemath, 214},     {BodyId::Chiron, 215},  {BodyId::Eros, 216},       {BodyId::Eris, 217},
    {BodyId::Sedna, 218},         {BodyId::Orcus, 219},   {BodyId::Quaoar, 220},     {BodyId::Varuna, 221},
    {BodyId::Ixion, 222},
};

const std::array<WheelBody, std::size(kGlyphs)> kBodies = [] {
  std::array<WheelBody, std::size(kGlyphs)> out{};
  for (std::size_t i = 0; i < out.size(); ++i) {
    const SlotInfo& slot = SlotOf(kGlyphs[i].id);
    const WheelBodyGroup group = slot.planet                        ? WheelBodyGroup::Planet
                                 : slot.kind == SlotKind::TableBody ? WheelBodyGroup::TableBody
                                                                    : WheelBodyGroup::Point;
    // The aspects page pairs the bodies and the points it lists as rows.
    const bool aspects = slot.section == PageSection::Bodies || slot.section == PageSection::Points;
    out[i] = {kGlyphs[i].id, kGlyphs[i].glyphId, group, aspects};
  }
  return out;
}();

constexpr std::array<int, 12> kSignGlyphs = {157, 158, 161, 162, 163, 164, 165, 166, 167, 168, 169, 170};
constexpr int kRetrogradeGlyph = 223;

bool Moves(BodyId id) { return SlotOf(id).hasNext; }

}  // namespace

std::span<const WheelBody> ModernWheelBodies() { return kBodies; }

const WheelBody* FindWheelBody(BodyId id) {
  const auto it = std::find_if(kBodies.begin(), kBodies.end(), [id](const WheelBody& b) { return b.id == id; });
  return it == kBodies.end() ? nullptr : &*it;
}

int SignGlyphId(int sign) { return kSignGlyphs[static_cast<std::size_t>(((sign % 12) + 12) % 12)]; }

int RetrogradeGlyphId() { return kRetrogradeGlyph; }

std::string TapLabel(BodyId id) {
  const std::string_view onWheel = SlotOf(id).wheel.label;
  return std::string(onWheel.empty() ? BodyLabel(id) : onWheel);
}

std::string BodyTapText(const ChartResult& chart, BodyId id) {
  const BodySlot& slot = chart[id];
  std::string text = TapLabel(id) + ' ' + FormatPosition(slot.longitude);
  if (Moves(id)) text += ' ' + FormatMotion(slot.longitude, slot.longitudeNext);
  return text;
}

}  // namespace caelix

#include "ui/wheel/wheel_bodies.h"

#include <algorithm>
#include <array>

#include "ui/pages/position_format.h"

namespace caelix {
namespace {

using enum WheelBodyGroup;

constexpr std::array<WheelBody, 25> kBodies = {{
    {BodyId::Sun, 152, Planet, true},         {BodyId::Moon, 151, Planet, true},
    {BodyId::Mercury, 150, Planet, true},     {BodyId::Venus, 149, Planet, true},
    {BodyId::Mars, 148, Planet, true},        {BodyId::Jupiter, 147, Planet, true},
    {BodyId::Saturn, 146, Planet, true},      {BodyId::Uranus, 141, Planet, true},
    {BodyId::Neptune, 143, Planet, true},     {BodyId::Pluto, 144, Planet, true},
    {BodyId::MeanNode, 153, Point, true},     {BodyId::Vertex, 211, Point, true},
    {BodyId::PartOfFortune, 155, Point, true}, {BodyId::Lilith, 210, TableBody, false},
    {BodyId::LilithTrue, 212, TableBody, false}, {BodyId::Selena, 213, TableBody, false},
    {BodyId::Waldemath, 214, TableBody, false}, {BodyId::Chiron, 215, TableBody, false},
    {BodyId::Eros, 216, TableBody, false},    {BodyId::Eris, 217, TableBody, false},
    {BodyId::Sedna, 218, TableBody, false},   {BodyId::Orcus, 219, TableBody, false},
    {BodyId::Quaoar, 220, TableBody, false},  {BodyId::Varuna, 221, TableBody, false},
    {BodyId::Ixion, 222, TableBody, false},
}};

constexpr std::array<int, 12> kSignGlyphs = {157, 158, 161, 162, 163, 164, 165, 166, 167, 168, 169, 170};
constexpr int kRetrogradeGlyph = 223;

bool Moves(BodyId id) { return (id >= BodyId::Sun && id <= BodyId::MeanNode) || IsTableBody(id); }

}  // namespace

std::span<const WheelBody> ModernWheelBodies() { return kBodies; }

const WheelBody* FindWheelBody(BodyId id) {
  const auto it = std::find_if(kBodies.begin(), kBodies.end(), [id](const WheelBody& b) { return b.id == id; });
  return it == kBodies.end() ? nullptr : &*it;
}

int SignGlyphId(int sign) { return kSignGlyphs[static_cast<std::size_t>(((sign % 12) + 12) % 12)]; }

int RetrogradeGlyphId() { return kRetrogradeGlyph; }

std::string TapLabel(BodyId id) { return id == BodyId::Lilith ? "Ll" : std::string(BodyLabel(id)); }

std::string BodyTapText(const ChartResult& chart, BodyId id) {
  const BodySlot& slot = chart[id];
  std::string text = TapLabel(id) + ' ' + FormatPosition(slot.longitude);
  if (Moves(id)) text += ' ' + FormatMotion(slot.longitude, slot.longitudeNext);
  return text;
}

}  // namespace caelix

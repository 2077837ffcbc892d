#include "ui/wheel/symbol_identification.h"

#include <array>

#include "ui/pages/position_format.h"

namespace caelix {
namespace {

constexpr std::array<std::string_view, kWheelEntryCount> kLabels = {
    "",   "So", "Mo", "Me", "Ve", "Ma", "Ju",  "Sa",  "Ur",  "Ne",  "Pl",
    "Nn", "As", "Mc", "Vx", "Pf", "Ll", "D02", "D03", "D11", "D12", "Pd",
};

constexpr int kHitReach = 8;

bool HasMotion(std::size_t i) { return (i >= 1 && i <= 11) || i == static_cast<std::size_t>(BodyId::Midpoint); }

}  // namespace

std::string_view WheelLabel(std::size_t i) { return i < kLabels.size() ? kLabels[i] : "??"; }

std::string SymbolPiece(std::size_t i, const WheelSlots& slots, std::string_view header) {
  std::string piece(i == 0 ? header : WheelLabel(i));
  piece += ' ';
  if (i == 0 || i >= slots.size()) return piece;
  const BodySlot& slot = slots[i];
  piece += FormatPosition(slot.longitude);
  if (HasMotion(i)) piece += ' ' + FormatMotion(slot.longitude, slot.longitudeNext);
  return piece;
}

std::string IdentifySymbols(int x, int y, const SymbolPositions& positions, const WheelSlots& slots,
                            std::string_view header) {
  std::string text;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const SymbolPosition& p = positions[i];
    if (!p.placed) continue;
    if (x < p.point.x - kHitReach || x > p.point.x + kHitReach) continue;
    if (y < p.point.y - kHitReach || y > p.point.y + kHitReach) continue;
    if (!text.empty()) text += "; ";
    text += SymbolPiece(i, slots, header);
  }
  return text;
}

}  // namespace caelix

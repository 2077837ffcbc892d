#include "ui/wheel/symbol_identification.h"

#include "ui/pages/position_format.h"

namespace caelix {
namespace {

constexpr int kHitReach = 8;

}  // namespace

std::string_view WheelLabel(std::size_t i) {
  return i < kWheelEntryCount ? SlotOf(kWheelEntrySlots[i]).wheel.label : "??";
}

std::string SymbolPiece(std::size_t i, const WheelSlots& slots, std::string_view header) {
  std::string piece(i == 0 ? header : WheelLabel(i));
  piece += ' ';
  if (i == 0 || i >= slots.size()) return piece;
  const BodySlot& slot = slots[i];
  piece += FormatPosition(slot.longitude);
  if (SlotOf(kWheelEntrySlots[i]).hasNext) piece += ' ' + FormatMotion(slot.longitude, slot.longitudeNext);
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

#pragma once
// Naming the symbols of the latest wheel drawing that lie under a tap.
#include <cstddef>
#include <string>
#include <string_view>

#include "ui/wheel/chart_wheel.h"

namespace caelix {

// Returns the label of wheel entry i from the catalogue: "So" to "Nn" for 1 to 11, "As", "Mc",
// "Vx", "Pf", "Ll" (Lilith) for 12 to 16, "D02", "D03", "D11", "D12", "Pd" for 17 to 21; "??"
// for any other.
// Entry 0, the centre, is named by the chart's header instead: its label is empty.
std::string_view WheelLabel(std::size_t i);

// Returns the piece a tap gives for entry i: its label (for 0, header) and a space; for 1 to 21
// the position of its slot (FormatPosition); for the slots with a next-day value (1 to 11 and
// 16) a space and the daily motion (FormatMotion).
std::string SymbolPiece(std::size_t i, const WheelSlots& slots, std::string_view header);

// Returns the pieces of every placed entry, in entry order, whose centre lies within 8 pixels of
// (x, y) on both axes (a 17 x 17 square, bounds included), joined by "; "; empty when none.
std::string IdentifySymbols(int x, int y, const SymbolPositions& positions, const WheelSlots& slots,
                            std::string_view header);

}  // namespace caelix

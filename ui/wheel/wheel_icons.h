#pragma once
// The icon resources the wheel draws, with the size each is drawn at (pixels, width x height).
#include <array>
#include <cstddef>

#include "chart/catalogue.h"

namespace caelix {

// The icon of each wheel entry, from the catalogue: the body symbols and the house markers; the
// centre and the entries never placed have none (id 0).
inline constexpr std::array<WheelIcon, kWheelEntryCount> kEntryIcons = [] {
  std::array<WheelIcon, kWheelEntryCount> icons{};
  for (std::size_t entry = 0; entry < kWheelEntryCount; ++entry)
    icons[entry] = SlotOf(kWheelEntrySlots[entry]).wheel.icon;
  return icons;
}();

// The sign glyphs, Aries (0) to Pisces (11).
constexpr std::array<WheelIcon, 12> kSignIcons = {{{157, 16, 15},
                                                   {158, 15, 16},
                                                   {161, 15, 16},
                                                   {162, 16, 12},
                                                   {163, 13, 16},
                                                   {164, 13, 16},
                                                   {165, 16, 13},
                                                   {166, 14, 16},
                                                   {167, 16, 16},
                                                   {168, 16, 15},
                                                   {169, 16, 11},
                                                   {170, 12, 16}}};

// The retrograde mark "Rx".
constexpr WheelIcon kRetrogradeIcon = {156, 8, 12};

}  // namespace caelix

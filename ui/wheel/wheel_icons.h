#pragma once
// The icon resources the wheel draws, with the size each is drawn at (pixels, width x height).
#include <array>
#include <cstddef>

namespace caelix {

struct WheelIcon {
  int id;
  int width;
  int height;
};

// The icon of a wheel entry: the bodies 1 to 11, 15 (Part of Fortune) and 16 (Lilith), the
// house markers 12 (circled 1), 13 (10), 14 (13), 17 (2), 18 (3), 19 (11), 20 (12). Entries 0
// and 21 have none (id 0).
constexpr std::array<WheelIcon, 22> kEntryIcons = {{
    {0, 0, 0},                                                                  // centre
    {152, 15, 16}, {151, 15, 16}, {150, 8, 16},  {149, 11, 16}, {148, 16, 15},  // Sun .. Mars
    {147, 11, 16}, {146, 11, 16}, {141, 10, 16}, {143, 14, 16}, {144, 11, 16},  // Jupiter .. Pluto
    {153, 15, 16},                                                              // mean node
    {177, 16, 16}, {189, 16, 16}, {191, 16, 16},                                // Ascendant, Midheaven, Vertex
    {155, 16, 16},                                                              // Part of Fortune
    {210, 10, 16},                                                              // Lilith (in the midpoint's place)
    {178, 16, 16}, {180, 16, 16}, {175, 16, 16}, {190, 16, 16},                 // cusps 2, 3, 11, 12
    {0, 0, 0},                                                                  // Part of Daimon, never drawn
}};

// The sign glyphs, Aries (0) to Pisces (11).
constexpr std::array<WheelIcon, 12> kSignIcons = {{
    {157, 16, 15},
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
    {170, 12, 16},
}};

// The retrograde mark "Rx".
constexpr WheelIcon kRetrogradeIcon = {156, 8, 12};

}  // namespace caelix

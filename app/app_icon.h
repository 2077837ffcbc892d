#pragma once
// The application's icon (resource 128): a small chart wheel, a deep blue ring with twelve sign
// divisions around a golden Sun, on a transparent ground.
#include <string>

#include "platform/icon_image.h"

namespace caelix {

inline constexpr int kAppIconId = 128;

// Returns the icon at size x size pixels (size >= 1), edges smoothed by 4 x 4 supersampling.
IconImage AppIcon(int size);

// Returns the same artwork as an SVG document (256 x 256 pixels), the desktop entry's icon.
std::string AppIconSvg();

}  // namespace caelix

#pragma once
// An icon as pixels: width x height, row by row from the top, each 0xAARRGGBB.
#include <cstdint>
#include <vector>

namespace caelix {

struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
};

}  // namespace caelix

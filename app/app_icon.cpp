#include "app/app_icon.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace caelix {

namespace {

struct Rgb {
  double r, g, b;
};

constexpr Rgb kRing{0.10, 0.16, 0.42};
constexpr Rgb kFace{0.93, 0.94, 0.98};
constexpr Rgb kSun{0.96, 0.68, 0.10};

// The colour and coverage of the artwork at a point (u, v) of the unit square, centre (0.5, 0.5).
bool Shade(double u, double v, Rgb& colour) {
  const double dx = u - 0.5;
  const double dy = v - 0.5;
  const double r = std::hypot(dx, dy);
  if (r > 0.48) return false;
  if (r > 0.36) {
    colour = kRing;
    return true;
  }
  if (r < 0.13) {
    colour = kSun;
    return true;
  }
  // Twelve spokes from the Sun to the ring, 30 degrees apart.
  const double angle = std::atan2(dy, dx) + std::numbers::pi;
  const double sector = std::numbers::pi / 6.0;
  const double offset = std::fmod(angle, sector);
  const double distance = r * std::sin(std::min(offset, sector - offset));
  colour = distance < 0.018 ? kRing : kFace;
  return true;
}

std::uint32_t Channel(double value) {
  return static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
}

}  // namespace

IconImage AppIcon(int size) {
  size = std::max(size, 1);
  constexpr int kSamples = 4;
  IconImage image{size, size, {}};
  image.argb.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double r = 0, g = 0, b = 0;
      int covered = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          Rgb c{};
          const double u = (x + (sx + 0.5) / kSamples) / size;
          const double v = (y + (sy + 0.5) / kSamples) / size;
          if (!Shade(u, v, c)) continue;
          r += c.r;
          g += c.g;
          b += c.b;
          ++covered;
        }
      }
      std::uint32_t pixel = 0;
      if (covered > 0) {
        const double alpha = static_cast<double>(covered) / (kSamples * kSamples);
        pixel = Channel(alpha) << 24 | Channel(r / covered) << 16 | Channel(g / covered) << 8 | Channel(b / covered);
      }
      image.argb.push_back(pixel);
    }
  }
  return image;
}

}  // namespace caelix

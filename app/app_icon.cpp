#include "app/app_icon.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace caelix {

namespace {

struct Rgb {
  double r, g, b;
};

constexpr Rgb kRing{0.10, 0.16, 0.42};
constexpr Rgb kFace{0.93, 0.94, 0.98};
constexpr Rgb kSun{0.96, 0.68, 0.10};

// The artwork's measures, in units of the icon's side.
constexpr double kRingOuter = 0.48;
constexpr double kRingInner = 0.36;
constexpr double kSunRadius = 0.13;
constexpr double kSpokeHalfWidth = 0.018;

// The colour and coverage of the artwork at a point (u, v) of the unit square, centre (0.5, 0.5).
bool Shade(double u, double v, Rgb& colour) {
  const double dx = u - 0.5;
  const double dy = v - 0.5;
  const double r = std::hypot(dx, dy);
  if (r > kRingOuter) return false;
  if (r > kRingInner) {
    colour = kRing;
    return true;
  }
  if (r < kSunRadius) {
    colour = kSun;
    return true;
  }
  // Twelve spokes from the Sun to the ring, 30 degrees apart.
  const double angle = std::atan2(dy, dx) + std::numbers::pi;
  const double sector = std::numbers::pi / 6.0;
  const double offset = std::fmod(angle, sector);
  const double distance = r * std::sin(std::min(offset, sector - offset));
  colour = distance < kSpokeHalfWidth ? kRing : kFace;
  return true;
}

// "#rrggbb" of a colour.
std::string Hex(const Rgb& c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<unsigned>(std::lround(c.r * 255)),
                static_cast<unsigned>(std::lround(c.g * 255)), static_cast<unsigned>(std::lround(c.b * 255)));
  return text;
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

std::string AppIconSvg() {
  // A 100-unit square: the ring as a wide stroke, the face, six diameters for the twelve spokes,
  // the Sun on top.
  constexpr double kSide = 100.0;
  char line[256];
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 100 100\">\n";
  std::snprintf(line, sizeof line, "<circle cx=\"50\" cy=\"50\" r=\"%g\" fill=\"%s\"/>\n", kRingOuter * kSide,
                Hex(kRing).c_str());
  svg += line;
  std::snprintf(line, sizeof line, "<circle cx=\"50\" cy=\"50\" r=\"%g\" fill=\"%s\"/>\n", kRingInner * kSide,
                Hex(kFace).c_str());
  svg += line;
  for (int k = 0; k < 6; ++k) {
    const double a = k * std::numbers::pi / 6.0;
    const double dx = std::cos(a) * kRingInner * kSide;
    const double dy = std::sin(a) * kRingInner * kSide;
    std::snprintf(line, sizeof line,
                  "<line x1=\"%.3f\" y1=\"%.3f\" x2=\"%.3f\" y2=\"%.3f\" stroke=\"%s\" stroke-width=\"%g\"/>\n",
                  50 - dx, 50 - dy, 50 + dx, 50 + dy, Hex(kRing).c_str(), 2 * kSpokeHalfWidth * kSide);
    svg += line;
  }
  std::snprintf(line, sizeof line, "<circle cx=\"50\" cy=\"50\" r=\"%g\" fill=\"%s\"/>\n", kSunRadius * kSide,
                Hex(kSun).c_str());
  svg += line;
  return svg + "</svg>\n";
}

}  // namespace caelix

// The desktop entry's icon (SVG) and the windows' icon (pixels) are the same picture.
#include "app/app_icon.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/run.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

TEST(AppIcon, TheSvgRendersLikeTheWindowIcon) {
  if (std::system("command -v rsvg-convert >/dev/null && command -v convert >/dev/null") != 0) {
    GTEST_SKIP() << "rsvg-convert or ImageMagick is not installed";
  }
  testing::TempDir t;
  std::ofstream(t.Path() / "icon.svg") << AppIconSvg();
  for (const int size : {32, 64, 128}) {
    // librsvg renders the SVG; ImageMagick gives its pixels as RGBA bytes, row by row.
    const auto raw = t.Path() / "icon.rgba";
    const std::string cmd = "rsvg-convert -w " + std::to_string(size) + " -h " + std::to_string(size) + " '" +
                            (t.Path() / "icon.svg").string() + "' | convert png:- -depth 8 'rgba:" + raw.string() + "'";
    ASSERT_EQ(0, std::system(cmd.c_str())) << cmd;
    const std::string rgba = testing::ReadWhole(raw);
    const IconImage want = AppIcon(size);
    ASSERT_EQ(want.argb.size() * 4, rgba.size()) << size;
    // Edges are smoothed differently (supersampling against librsvg's coverage); colours must
    // agree in the mean and no pixel may differ by more than a third of the scale (measured: mean 1.9, 1.1, 0.5 at 32,
    // 64, 128 px, worst 48).
    double sum = 0;
    int worst = 0;
    for (std::size_t i = 0; i < want.argb.size(); ++i) {
      const std::uint32_t p = want.argb[i];
      const int alpha = static_cast<int>(p >> 24);
      const int wantBytes[4] = {static_cast<int>(p >> 16 & 0xff) * alpha / 255,
                                static_cast<int>(p >> 8 & 0xff) * alpha / 255, static_cast<int>(p & 0xff) * alpha / 255,
                                alpha};
      for (int c = 0; c < 4; ++c) {
        const int got = static_cast<unsigned char>(rgba[i * 4 + c]);
        const int gotPremultiplied = c == 3 ? got : got * static_cast<unsigned char>(rgba[i * 4 + 3]) / 255;
        const int d = std::abs(gotPremultiplied - wantBytes[c]);
        sum += d;
        worst = std::max(worst, d);
      }
    }
    const double mean = sum / (want.argb.size() * 4.0);
    EXPECT_LT(mean, 3.0) << size << " px: mean difference " << mean << " of 255";
    EXPECT_LT(worst, 80) << size << " px: worst difference " << worst << " of 255";
  }
}

}  // namespace
}  // namespace caelix

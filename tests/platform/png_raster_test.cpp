#include "platform/png_raster.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "support/png_pixels.h"

namespace caelix {
namespace {

using testing::DecodePng;

TEST(RenderSvgToPng, DrawsTheDocumentAtItsOwnSize) {
  const std::string svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\">"
      "<rect width=\"40\" height=\"30\" fill=\"#ffffff\"/><rect x=\"20\" width=\"20\" height=\"30\" fill=\"#ff0000\"/>"
      "</svg>";
  std::string error;
  const auto png = RenderSvgToPng(svg, error);
  ASSERT_TRUE(png) << error;
  ASSERT_GT(png->size(), 8u);
  EXPECT_EQ(0, std::memcmp(png->data(), "\x89PNG\r\n\x1a\n", 8));
  const auto image = DecodePng(*png);
  ASSERT_TRUE(image);
  EXPECT_EQ(40, image->width);
  EXPECT_EQ(30, image->height);
  EXPECT_EQ(0xFFFFFFFFu, image->At(5, 15));   // white, opaque
  EXPECT_EQ(0xFFFF0000u, image->At(35, 15));  // red
}

TEST(RenderSvgToPng, RefusesWhatItCannotDraw) {
  const struct {
    const char* name;
    const char* svg;
  } kRows[] = {
      {"not XML", "this is no picture"},
      {"unclosed element", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"><rect>"},
      {"no size", "<svg xmlns=\"http://www.w3.org/2000/svg\"></svg>"},
      {"too large", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100000\" height=\"10\"></svg>"},
  };
  for (const auto& row : kRows) {
    std::string error;
    EXPECT_FALSE(RenderSvgToPng(row.svg, error)) << row.name;
    EXPECT_FALSE(error.empty()) << row.name;
    EXPECT_EQ(std::string::npos, error.find('\n')) << row.name << ": " << error;
  }
}

}  // namespace
}  // namespace caelix

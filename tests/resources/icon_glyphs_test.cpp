#include "resources/icon_glyphs.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ui/wheel/wheel_icons.h"

namespace caelix {
namespace {

TEST(IconGlyphs, EveryWheelIconHasArtworkOfItsDrawnSize) {
  std::vector<WheelIcon> used(kSignIcons.begin(), kSignIcons.end());
  for (const WheelIcon& icon : kEntryIcons) {
    if (icon.id != 0) used.push_back(icon);
  }
  used.push_back(kRetrogradeIcon);
  ASSERT_EQ(12u + 20u + 1u, used.size());
  for (const WheelIcon& icon : used) {
    const IconGlyph* glyph = FindIconGlyph(icon.id);
    ASSERT_NE(nullptr, glyph) << "icon " << icon.id;
    EXPECT_EQ(icon.width, glyph->width) << "icon " << icon.id;
    EXPECT_EQ(icon.height, glyph->height) << "icon " << icon.id;
  }
  EXPECT_EQ(nullptr, FindIconGlyph(0));
  EXPECT_EQ(nullptr, FindIconGlyph(154));
}

TEST(IconGlyphs, EveryGlyphParsesAndKeepsItsPenInsideItsBox) {
  std::set<int> ids;
  for (const IconGlyph& g : IconGlyphs()) {
    EXPECT_TRUE(ids.insert(g.id).second) << "icon " << g.id << " twice";
    std::string error;
    const auto outline = ParseGlyphPath(g.path, error);
    ASSERT_TRUE(outline) << "icon " << g.id << ": " << error;
    const double margin = g.penWidth / 2 - 1e-9;
    for (const auto& stroke : outline->strokes) {
      for (const GlyphPoint& p : stroke) {
        EXPECT_TRUE(p.x >= margin && p.x <= g.width - margin && p.y >= margin && p.y <= g.height - margin)
            << "icon " << g.id << " point " << p.x << "," << p.y << " outside " << g.width << "x" << g.height;
      }
    }
    for (const GlyphDot& d : outline->dots) {
      EXPECT_TRUE(d.centre.x - d.radius >= 0 && d.centre.x + d.radius <= g.width) << "icon " << g.id;
    }
  }
}

TEST(ParseGlyphPath, StrokesArcsAndDots) {
  std::string error;
  const auto o = ParseGlyphPath("M 0 0 L 2 0 A 2 2 2 2 90 0; C 5 5 1; D 3 3 0.5", error);
  ASSERT_TRUE(o) << error;
  ASSERT_EQ(2u, o->strokes.size());
  // The quarter arc from (2, 0) to (4, 2), flattened into 5-degree chords, joins the line.
  ASSERT_EQ(2u + 19u, o->strokes[0].size());
  EXPECT_NEAR(2.0, o->strokes[0][2].x, 1e-12);
  EXPECT_NEAR(0.0, o->strokes[0][2].y, 1e-12);
  EXPECT_NEAR(4.0, o->strokes[0].back().x, 1e-12);
  EXPECT_NEAR(2.0, o->strokes[0].back().y, 1e-12);
  // A whole circle closes on itself; angles go counterclockwise on the screen (y down).
  EXPECT_NEAR(o->strokes[1].front().x, o->strokes[1].back().x, 1e-12);
  EXPECT_NEAR(5.0, o->strokes[1][18].x, 1e-12);  // 90 deg: straight up
  EXPECT_NEAR(4.0, o->strokes[1][18].y, 1e-12);
  ASSERT_EQ(1u, o->dots.size());
  EXPECT_EQ(0.5, o->dots[0].radius);
}

TEST(ParseGlyphPath, MalformedPathsAreRefused) {
  const char* const bad[] = {
      "",                         // nothing
      "X 1 2",                    // unknown command
      "L 1 2 L 3 4",              // a line needs a start
      "M 1 2",                    // a single point
      "M 1",                      // a number short
      "M 1 2 L 3 nan",            // not finite
      "M 1 2 L 3 4x",             // not a number
      "D 1 1 1 L 2 2",            // a dot is a stroke of its own
      "M 1 2 L 3 4 M 5 6 L 7 8",  // a second start inside a stroke
      "M 1 2 L 3 4;",             // an empty stroke
  };
  for (const char* path : bad) {
    std::string error;
    EXPECT_FALSE(ParseGlyphPath(path, error)) << '"' << path << '"';
    EXPECT_FALSE(error.empty()) << '"' << path << '"';
  }
}

}  // namespace
}  // namespace caelix

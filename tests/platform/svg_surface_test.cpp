#include "platform/svg_surface.h"

#include <gtest/gtest.h>

#include <string>

namespace caelix {
namespace {

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(SvgSurface, ShapesOnPixelCentresIconsAsStrokesAndTitles) {
  SvgSurface svg(200, 100);
  svg.MoveTo(10, 20);
  svg.LineTo(30, 20);
  svg.LineTo(30, 40);
  svg.Ellipse(0, 0, 101, 101);
  EXPECT_TRUE(svg.DrawIcon(152, 40, 50, 15, 16));
  EXPECT_TRUE(svg.DrawIcon(152, 40, 50, 30, 32));
  EXPECT_FALSE(svg.DrawIcon(9999, 0, 0, 16, 16));
  svg.AddTitledArea(32, 42, 17, 17, "So 05Ar07 & <R>");
  const std::string doc = svg.Document();
  EXPECT_EQ(0u, doc.find("<?xml"));
  EXPECT_NE(std::string::npos, doc.find("width=\"200\" height=\"100\" viewBox=\"0 0 200 100\""));
  EXPECT_NE(std::string::npos, doc.find("<line x1=\"10.5\" y1=\"20.5\" x2=\"30.5\" y2=\"20.5\""));
  EXPECT_NE(std::string::npos, doc.find("<line x1=\"30.5\" y1=\"20.5\" x2=\"30.5\" y2=\"40.5\""));
  EXPECT_NE(std::string::npos, doc.find("<ellipse cx=\"50.5\" cy=\"50.5\" rx=\"50\" ry=\"50\" fill=\"#fff\""));
  EXPECT_EQ(2u, Count(doc, "<g fill=\"none\""));
  EXPECT_NE(std::string::npos, doc.find("stroke-width=\"1.3\""));  // the pen at the design size
  EXPECT_NE(std::string::npos, doc.find("stroke-width=\"2.6\""));  // and at twice the size
  EXPECT_NE(std::string::npos, doc.find("<title>So 05Ar07 &amp; &lt;R&gt;</title>"));
  EXPECT_EQ(doc.size() - 7, doc.rfind("</svg>\n"));
}

TEST(EscapeXml, TheFiveSpecialCharacters) {
  EXPECT_EQ("a&amp;b&lt;c&gt;d&quot;e&apos;f\u00b0", EscapeXml("a&b<c>d\"e'f\u00b0"));
}

}  // namespace
}  // namespace caelix

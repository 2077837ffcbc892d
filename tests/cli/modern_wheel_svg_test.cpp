#include "cli/modern_wheel_svg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "chart/compute_chart.h"
#include "cli/chart_svg.h"
#include "platform/png_raster.h"
#include "support/png_pixels.h"
#include "support/run.h"
#include "support/sample_chart.h"
#include "support/temp_dir.h"
#include "ui/wheel/wheel_bodies.h"

namespace caelix {
namespace {

using testing::DecodePng;
using testing::Pixels;
using testing::ReadWhole;
using testing::RunCaelix;
using testing::TempDir;

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

ModernWheelLayout SampleLayout(bool table, int size = 480) {
  ModernWheelOptions options;
  options.size = size;
  options.table = table;
  options.name = "Ann <\"&'> Lee";
  return LayoutModernWheel(testing::SampleInput(), ComputeChart(testing::SampleInput()), options);
}

TEST(ModernWheelSvg, EveryBodyCarriesItsTapTextAndDataAttributes) {
  const ChartInput in = testing::SampleInput();
  const ChartResult chart = ComputeChart(in);
  const ModernWheelLayout layout = SampleLayout(false);
  const std::string svg = ModernWheelSvg(layout, WheelTheme::Light);
  ASSERT_FALSE(layout.bodies.empty());
  EXPECT_EQ(layout.bodies.size(), Count(svg, "<g class=\"body\""));
  for (const PlacedBody& b : layout.bodies) {
    char attributes[160];
    std::snprintf(attributes, sizeof attributes, "data-body=\"%s\" data-longitude=\"%.4f\"",
                  std::string(BodyKey(b.id)).c_str(), chart[b.id].longitude);
    EXPECT_EQ(1u, Count(svg, attributes)) << attributes;
    EXPECT_NE(std::string::npos, svg.find("<title>" + BodyTapText(chart, b.id) + "</title>")) << BodyKey(b.id);
  }
  EXPECT_NE(std::string::npos, svg.find("<title>So 09Pi59   1.00</title>"));  // the seed's tap text of the Sun
  EXPECT_NE(std::string::npos, svg.find("<title>28.2.2006 17GMT:42.50, 50.08\u00b0 14.42\u00b0</title>"));
  EXPECT_NE(std::string::npos, svg.find(">Ann &lt;&quot;&amp;&apos;&gt; Lee</text>"));
  EXPECT_NE(std::string::npos, svg.find(">2006-02-28 17:42:30 UT</text>"));
  EXPECT_NE(std::string::npos, svg.find(">50\u00b005\u2032N 14\u00b025\u2032E</text>"));
  EXPECT_NE(std::string::npos, svg.find(">Placidus houses</text>"));
  EXPECT_EQ(12u, Count(svg, "data-cusp=\""));
  EXPECT_EQ(layout.aspects.size(), Count(svg, "data-aspect=\""));
}

// Every body label sits on a halo of the page's colour, painted in a layer of its own after the
// cusp lines, ticks and leaders and before any label, and wider than the angles' heavy lines: no
// line runs through a label, and no halo covers another label's ink.
TEST(ModernWheelSvg, BodyLabelsSitOnHalosThatHideTheLinesBeneath) {
  const ModernWheelLayout layout = SampleLayout(false, 1600);
  const std::string svg = ModernWheelSvg(layout, WheelTheme::Print);
  const std::size_t leaders = svg.find("<g class=\"leaders\">");
  const std::size_t halos = svg.find("<g class=\"halos\">");
  const std::size_t firstBody = svg.find("<g class=\"body\"");
  ASSERT_NE(std::string::npos, leaders);
  EXPECT_LT(svg.find("<g class=\"houses\">"), leaders);
  EXPECT_LT(leaders, halos);
  EXPECT_LT(halos, firstBody);
  EXPECT_EQ(std::string::npos, svg.find("class=\"leader\"", halos));
  EXPECT_EQ(std::string::npos, svg.find("under", firstBody));
  std::size_t labels = 0;
  for (const PlacedBody& b : layout.bodies) labels += b.labels.size();
  const std::string layer = svg.substr(halos, firstBody - halos);
  EXPECT_EQ(labels, Count(layer, "class=\"under\"") + Count(layer, "class=\"text under\""));
  const std::regex width("stroke-width:([0-9.]+)px");
  std::size_t widths = 0;
  for (auto it = std::sregex_iterator(layer.begin(), layer.end(), width); it != std::sregex_iterator(); ++it) {
    EXPECT_GT(std::stod((*it)[1]), layout.heavyStroke) << it->str();
    ++widths;
  }
  EXPECT_EQ(labels, widths);
  // The halo's stroke outranks the text's "stroke:none", and takes the page's colour.
  EXPECT_NE(std::string::npos, svg.find(".under,text.under{stroke:#ffffff;stroke:var(--bg)}"));
  EXPECT_NE(std::string::npos, svg.find("text.under{fill:#ffffff;fill:var(--bg)}"));
}

// The theme's colours: variables on the root, and each rule's plain value the variable's.
TEST(ModernWheelSvg, ThemesSetTheirColoursThroughVariables) {
  const std::regex hex("#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})");
  const struct {
    WheelTheme theme;
    const char* bg;
    const char* ink;
  } kRows[] = {{WheelTheme::Light, "#ffffff", "#1d2330"},
               {WheelTheme::Dark, "#14171d", "#e9ebef"},
               {WheelTheme::Print, "#ffffff", "#000000"}};
  const ModernWheelLayout layout = SampleLayout(true);
  for (const auto& row : kRows) {
    const std::string svg = ModernWheelSvg(layout, row.theme);
    EXPECT_NE(std::string::npos, svg.find(std::string("--bg:") + row.bg + ";"));
    EXPECT_NE(std::string::npos, svg.find(std::string("--ink:") + row.ink + ";"));
    EXPECT_NE(std::string::npos, svg.find(std::string(".bg{fill:") + row.bg + ";fill:var(--bg)}"));
    std::set<std::string> colours;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), hex); it != std::sregex_iterator(); ++it) {
      colours.insert(it->str());
      if (row.theme == WheelTheme::Print) {
        EXPECT_TRUE((*it)[1] == (*it)[2] && (*it)[2] == (*it)[3]) << "print theme uses " << it->str();
      }
    }
    EXPECT_GE(colours.size(), row.theme == WheelTheme::Print ? 4u : 10u);
  }
}

// Renders the picture and looks at it: the page's colour in the corner, each element's shade in
// its sign's sector, ink where the Ascendant's line runs.
TEST(ModernWheelSvg, RendersWithLibrsvgInEveryTheme) {
  const ModernWheelLayout layout = SampleLayout(true, 400);
  const struct {
    WheelTheme theme;
    std::uint32_t bg;
  } kRows[] = {{WheelTheme::Light, 0xFFFFFFFF}, {WheelTheme::Dark, 0xFF14171D}, {WheelTheme::Print, 0xFFFFFFFF}};
  for (const auto& row : kRows) {
    std::string error;
    const auto png = RenderSvgToPng(ModernWheelSvg(layout, row.theme), error);
    ASSERT_TRUE(png) << error;
    const auto image = DecodePng(*png);
    ASSERT_TRUE(image);
    EXPECT_EQ(static_cast<int>(layout.width), image->width);
    EXPECT_EQ(static_cast<int>(layout.height), image->height);
    EXPECT_EQ(row.bg, image->At(1, image->height - 2));
    // The Ascendant's line: heavy ink half way between the aspect circle and the zodiac ring.
    const PlacedCusp& as = layout.cusps[0];
    const int x = static_cast<int>(std::lround((as.lineFrom.x + as.lineTo.x) / 2.0));
    const int y = static_cast<int>(std::lround(as.lineTo.y));
    EXPECT_NE(row.bg, image->At(x, y)) << "at " << x << "," << y;
  }
}

// The same picture in Chromium: compared block by block (8 x 8 pixels), so that the two
// renderers' anti-aliasing and text hinting even out.
TEST(ModernWheelSvg, RendersTheSameInChromium) {
  const char* chromium = "/usr/bin/chromium";
  if (!std::filesystem::exists(chromium)) GTEST_SKIP() << "no chromium";
  TempDir dir;
  const ModernWheelLayout layout = SampleLayout(true, 400);
  const std::string svg = ModernWheelSvg(layout, WheelTheme::Light);
  std::ofstream(dir.Path() / "wheel.svg", std::ios::binary) << svg;
  const std::string command =
      std::string("timeout 60 ") + chromium +
      " --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run"
      " --hide-scrollbars --user-data-dir=" +
      (dir.Path() / "profile").string() + " --window-size=" + std::to_string(static_cast<int>(layout.width)) + "," +
      std::to_string(static_cast<int>(layout.height)) + " --screenshot=" + (dir.Path() / "chromium.png").string() +
      " file://" + (dir.Path() / "wheel.svg").string() + " >/dev/null 2>&1";
  ASSERT_EQ(0, std::system(command.c_str()));
  const auto theirs = DecodePng(ReadWhole(dir.Path() / "chromium.png"));
  ASSERT_TRUE(theirs);
  std::string error;
  const auto ours = DecodePng(*RenderSvgToPng(svg, error));
  ASSERT_TRUE(ours) << error;
  ASSERT_EQ(ours->width, theirs->width);
  ASSERT_GE(theirs->height, ours->height);

  constexpr int kBlock = 8;
  double sum = 0.0;
  double worst = 0.0;
  int blocks = 0;
  for (int by = 0; by + kBlock <= ours->height; by += kBlock) {
    for (int bx = 0; bx + kBlock <= ours->width; bx += kBlock) {
      for (int shift = 0; shift <= 16; shift += 8) {
        double a = 0.0, b = 0.0;
        for (int y = by; y < by + kBlock; ++y) {
          for (int x = bx; x < bx + kBlock; ++x) {
            a += (ours->At(x, y) >> shift) & 0xFF;
            b += (theirs->At(x, y) >> shift) & 0xFF;
          }
        }
        const double diff = std::fabs(a - b) / (kBlock * kBlock * 255.0);
        sum += diff;
        worst = std::max(worst, diff);
        ++blocks;
      }
    }
  }
  EXPECT_LT(sum / blocks, 0.01) << "mean difference of 8x8 blocks";
  EXPECT_LT(worst, 0.15) << "largest difference of an 8x8 block";
}

TEST(ChartCommand, PngAndTheModernWheelOptions) {
  TempDir dir;
  const std::string base = "chart --date 2006-02-28 --time 17:42.5 --lon 14.417 --lat 50.083 ";
  const std::string svg = (dir.Path() / "w.svg").string();
  const std::string png = (dir.Path() / "w.png").string();
  const auto r = RunCaelix(base + "--svg " + svg + " --png " + png +
                           " --size 300 --theme dark --points planets,nn --aspects hard,trine --name 'A B' --table");
  ASSERT_EQ(0, r.status) << r.err;
  const std::string document = ReadWhole(svg);
  EXPECT_EQ(11u, Count(document, "<g class=\"body\""));
  EXPECT_NE(std::string::npos, document.find("data-theme=\"dark\""));
  const auto image = DecodePng(ReadWhole(png));
  ASSERT_TRUE(image);
  EXPECT_EQ(444, image->width);  // the wheel and the table beside it

  // --style classic with the classic engine draws the chart window's wheel, as before.
  ASSERT_EQ(0, RunCaelix(base + "--engine classic --svg " + svg + " --style classic --size 300").status);
  ChartInput in = testing::SampleInput();
  EXPECT_EQ(ChartWheelSvg(in, ComputeChart(in), 300), ReadWhole(svg));

  const struct {
    const char* args;
    const char* message;
  } kBad[] = {
      {"--theme dark", "--theme: needs --svg or --png"},
      {"--svg x.svg --theme sepia", "--theme: one of light, dark, print"},
      {"--svg x.svg --style fancy", "--style: one of modern, classic"},
      {"--svg x.svg --style classic --table", "--table: only for the modern wheel"},
      {"--svg x.svg --points moon,earth", "--points: unknown point 'earth'"},
      {"--svg x.svg --aspects 100", "--aspects: unknown aspect '100'"},
      {"--svg x.svg --name \"$(printf 'a\\tb')\"", "--name: must be UTF-8 text without control characters"},
      {"--svg x.svg --name \"$(printf '\\377')\"", "--name: must be UTF-8 text"},
  };
  for (const auto& bad : kBad) {
    const auto run = RunCaelix(base + bad.args);
    EXPECT_EQ(2, run.status) << bad.args;
    EXPECT_NE(std::string::npos, run.err.find(bad.message)) << bad.args << ": " << run.err;
  }
  const auto unwritable = RunCaelix(base + "--png " + (dir.Path() / "missing" / "w.png").string());
  EXPECT_EQ(1, unwritable.status);
  EXPECT_NE(std::string::npos, unwritable.err.find("--png: cannot write")) << unwritable.err;
}

}  // namespace
}  // namespace caelix

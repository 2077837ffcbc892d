#include "ui/wheel/chart_wheel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_surface.h"
#include "ui/wheel/wheel_icons.h"

namespace caelix {
namespace {

using Kind = DrawnPrimitive::Kind;

// A chart with the Ascendant at 0 and everything else well apart: the planets 36 deg apart from
// 5 deg (so Sun-Moon etc. form quintiles and no major aspect except those listed), the node
// moving backwards, cusps every 30 deg.
ChartResult SpreadChart() {
  ChartResult c;
  const double planets[] = {5, 41, 77, 113, 149, 185, 221, 257, 293, 329};  // Sun .. Pluto
  for (int i = 0; i < 10; ++i) c.slots[i + 1] = {planets[i], 0, planets[i] + 0.5, 0};
  c[BodyId::MeanNode] = {23, 0, 22.95, 0};
  c[BodyId::Ascendant] = {0, 0, 0, 0};
  c[BodyId::Midheaven] = {270, 0, 0, 0};
  c[BodyId::Vertex] = {200, 0, 0, 0};
  c[BodyId::PartOfFortune] = {131, 0, 0, 0};
  c[BodyId::Midpoint] = {300, 0, 0, 0};
  c[BodyId::Cusp2] = {30, 0, 0, 0};
  c[BodyId::Cusp3] = {60, 0, 0, 0};
  c[BodyId::Cusp11] = {300, 0, 0, 0};
  c[BodyId::Cusp12] = {330, 0, 0, 0};
  c[BodyId::Lilith] = {95, -91, 95.1, -91};
  return c;
}

std::vector<std::string> Draw(const ChartResult& chart, Rect client, ChartWheel& wheel, std::vector<int> missing = {}) {
  RecordingSurface surface(std::move(missing));
  wheel.DrawWheel(surface, client, chart, "header");
  std::vector<std::string> out;
  for (const DrawnPrimitive& p : surface.primitives()) out.push_back(Describe(p));
  return out;
}

std::string Line(Point a, Point b) {
  return "move " + std::to_string(a.x) + "," + std::to_string(a.y) + " line " + std::to_string(b.x) + "," +
         std::to_string(b.y);
}

std::string Icon(const WheelIcon& icon, Point centre) {
  return "icon " + std::to_string(icon.id) + " at " + std::to_string(centre.x - icon.width / 2) + "," +
         std::to_string(centre.y - icon.height / 2) + " " + std::to_string(icon.width) + "x" +
         std::to_string(icon.height);
}

// Joins each move with the line after it, so that a line is one element.
std::vector<std::string> Joined(const std::vector<std::string>& prims) {
  std::vector<std::string> out;
  for (std::size_t k = 0; k < prims.size(); ++k) {
    if (prims[k].rfind("move ", 0) == 0 && k + 1 < prims.size()) {
      out.push_back(prims[k] + " " + prims[k + 1]);
      ++k;
    } else {
      out.push_back(prims[k]);
    }
  }
  return out;
}

Point At(double f, double lambda) { return WheelPoint(f, WheelDirection(lambda, 0.0), 480); }

TEST(DrawWheel, DrawsEveryPartInItsOrder) {
  ChartWheel wheel;
  const std::vector<std::string> got = Joined(Draw(SpreadChart(), {0, 0, 480, 480}, wheel));
  std::vector<std::string> want = {"ellipse 0,0,480,480", "ellipse -1,-1,481,481", "ellipse 48,48,432,432"};
  for (int k = 0; k < 12; ++k) want.push_back(Line(At(0.4, 30.0 * k), At(0.5, 30.0 * k)));
  want.push_back("ellipse 180,180,300,300");
  for (int i = 1; i <= 12; ++i) {
    const int sign = (i + 9) % 12;  // Ascendant in Aries: Aquarius first
    want.push_back(Icon(kSignIcons[sign], At(0.45, 30.0 * sign + 15.0)));
  }
  for (const double axis : {0.0, 270.0, 30.0, 60.0, 300.0, 330.0}) {
    want.push_back(Line(At(0.4, axis), At(0.125, axis)));
    want.push_back(Line(At(0.4, axis + 180.0), At(0.125, axis + 180.0)));
  }
  // Bodies in longitude order (none within 9 deg): Sun 5, node 23, Moon 41, Me 77, Lilith 95,
  // Ve 113, Pf 131, Ma 149, ...; the node carries the retrograde mark.
  const struct {
    int entry;
    double lambda;
  } bodies[] = {{1, 5},   {11, 23}, {2, 41},  {3, 77},  {16, 95}, {4, 113}, {15, 131},
                {5, 149}, {6, 185}, {7, 221}, {8, 257}, {9, 293}, {10, 329}};
  for (const auto& b : bodies) {
    want.push_back(Icon(kEntryIcons[b.entry], At(0.34, b.lambda)));
    if (b.entry == 11) want.push_back(Icon(kRetrogradeIcon, At(0.2625, b.lambda)));
    want.push_back(Line(At(0.41, b.lambda), At(0.38, b.lambda)));
  }
  const struct {
    int entry;
    double lambda;
  } markers[] = {{12, 0}, {13, 270}, {14, 200}, {17, 30}, {18, 60}, {19, 300}, {20, 330}};
  for (const auto& m : markers) want.push_back(Icon(kEntryIcons[m.entry], At(0.2, m.lambda)));
  // Planets 36 deg apart: 72 and 144 apart form quintiles (no chord); 108 is no major aspect;
  // 180 (Sun-Jupiter 5/185, Moon-Saturn 41/221, ...) draws a chord.
  const double planets[] = {5, 41, 77, 113, 149, 185, 221, 257, 293, 329};
  for (int i = 0; i < 10; ++i) {
    want.push_back(Line(At(0.145, planets[i]), At(0.125, planets[i])));
    if (i < 5) want.push_back(Line(At(0.125, planets[i]), At(0.125, planets[i + 5])));
  }
  ASSERT_EQ(want.size(), got.size());
  for (std::size_t k = 0; k < want.size(); ++k) EXPECT_EQ(want[k], got[k]) << "primitive " << k;
}

TEST(DrawWheel, AscendantAtZeroPutsTheAriesBoundaryAtNineOClock) {
  ChartWheel wheel;
  const auto got = Draw(SpreadChart(), {0, 0, 480, 480}, wheel);
  ASSERT_GT(got.size(), 5u);
  EXPECT_EQ("move 48,240", got[3]);  // the first boundary, 0 deg Aries, runs level to the left edge
  EXPECT_EQ("line 0,240", got[4]);
  // Aries is centred 15 deg counterclockwise (below 9 o'clock): (240 - 216 cos 15, 240 + 216 sin 15).
  EXPECT_NE(std::find(got.begin(), got.end(), "icon 157 at 23,288 16x15"), got.end());
}

TEST(DrawWheel, CloseBodiesFanOutWhileTheirTicksStayTrue) {
  ChartResult chart = SpreadChart();
  for (int i = 1; i <= 11; ++i) chart.slots[i].longitude = chart.slots[i].longitudeNext = 200.0 + 0.25 * i;
  chart[BodyId::PartOfFortune].longitude = 203.0;
  chart[BodyId::Lilith] = {203.1, -91, 203.2, -91};
  ChartWheel wheel;
  const auto got = Joined(Draw(chart, {0, 0, 480, 480}, wheel));
  for (int i = 1; i <= 11; ++i) {
    const double shown = 200.25 + 9.0 * (i - 1);
    const double lambda = 200.0 + 0.25 * i;
    EXPECT_EQ(At(0.34, shown).x, wheel.symbolPositions()[i].point.x) << "body " << i;
    EXPECT_EQ(At(0.34, shown).y, wheel.symbolPositions()[i].point.y) << "body " << i;
    EXPECT_NE(std::find(got.begin(), got.end(), Line(At(0.41, lambda), At(0.38, lambda))), got.end()) << i;
  }
  EXPECT_EQ(At(0.34, 200.25 + 99.0), wheel.symbolPositions()[15].point);
  EXPECT_EQ(At(0.34, 200.25 + 108.0), wheel.symbolPositions()[16].point);
}

TEST(DrawWheel, LilithWithoutValueIsNotDrawnNorPlaced) {
  ChartResult chart = SpreadChart();
  chart[BodyId::Lilith] = {-1.0, -91, -1.0, -91};
  ChartWheel wheel;
  const auto got = Draw(chart, {0, 0, 480, 480}, wheel);
  for (const std::string& p : got) EXPECT_EQ(std::string::npos, p.find("icon 210 ")) << p;
  EXPECT_FALSE(wheel.symbolPositions()[16].placed);
  int ticks = 0;
  for (const std::string& p : Joined(got)) ticks += p.find(" line ") != std::string::npos;
  // 12 boundaries, 12 axis halves, 12 body ticks (no Lilith), 10 planet ticks, 5 chords.
  EXPECT_EQ(12 + 12 + 12 + 10 + 5, ticks);
}

TEST(DrawWheel, WideClientAreaDrawsInTheSquareOfItsHeight) {
  ChartWheel wheel;
  const auto got = Draw(SpreadChart(), {0, 0, 800, 300}, wheel);
  EXPECT_EQ("ellipse 0,0,300,300", got[0]);
  EXPECT_EQ(300, wheel.wheelSize());
  EXPECT_EQ((Point{150, 150}), wheel.symbolPositions()[0].point);
  EXPECT_TRUE(wheel.symbolPositions()[0].placed);
  for (const auto& p : wheel.symbolPositions()) {
    if (p.placed) {
      EXPECT_LT(p.point.x, 300);
    }
  }
}

TEST(DrawWheel, OnlyMajorAspectsDrawChords) {
  struct Case {
    double separation;
    bool chord;
  } const cases[] = {
      {9.5, true},   {10.5, false},  // conjunction orb 10
      {180.0, true}, {125.0, true},  // trine within 8
      {61.0, true},  {90.0, true},  {150.0, false}, {30.0, false},
      {45.0, false}, {72.0, false}, {135.0, false}, {147.0, false},
  };
  for (const Case& c : cases) {
    ChartResult chart = SpreadChart();
    // The Sun and the Moon; the other planets where they form nothing major with either.
    chart[BodyId::Sun].longitude = 100.0;
    chart[BodyId::Moon].longitude = 100.0 + c.separation;
    for (int i = 3; i <= 10; ++i) chart.slots[i].longitude = 340.0 + 0.1 * i;  // all conjunct each other only
    ChartWheel wheel;
    const auto got = Joined(Draw(chart, {0, 0, 480, 480}, wheel));
    const std::string chord = Line(At(0.125, 100.0), At(0.125, 100.0 + c.separation));
    EXPECT_EQ(c.chord, std::find(got.begin(), got.end(), chord) != got.end()) << "separation " << c.separation;
  }
}

TEST(DrawWheel, MissingIconsAreSkippedButStillPlaced) {
  ChartWheel wheel;
  const auto got = Draw(SpreadChart(), {0, 0, 480, 480}, wheel, {152, 177});
  for (const std::string& p : got) {
    EXPECT_EQ(std::string::npos, p.find("icon 152 ")) << p;
    EXPECT_EQ(std::string::npos, p.find("icon 177 ")) << p;
  }
  EXPECT_TRUE(wheel.symbolPositions()[1].placed);
  EXPECT_TRUE(wheel.symbolPositions()[12].placed);
}

TEST(DrawWheel, RepeatedPaintsAreIdentical) {
  ChartWheel wheel;
  const auto first = Draw(SpreadChart(), {0, 0, 333, 333}, wheel);
  const SymbolPositions positions = wheel.symbolPositions();
  EXPECT_EQ(first, Draw(SpreadChart(), {0, 0, 333, 333}, wheel));
  for (std::size_t i = 0; i < positions.size(); ++i) {
    EXPECT_EQ(positions[i].point, wheel.symbolPositions()[i].point);
    EXPECT_EQ(positions[i].placed, wheel.symbolPositions()[i].placed);
  }
  EXPECT_FALSE(positions[21].placed);
}

}  // namespace
}  // namespace caelix

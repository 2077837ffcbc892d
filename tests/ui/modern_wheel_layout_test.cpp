#include "ui/wheel/modern_wheel_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "chart/compute_chart.h"
#include "support/sample_chart.h"
#include "ui/wheel/text_extent.h"
#include "ui/wheel/wheel_bodies.h"

namespace caelix {
namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

// Puts the bodies listed at the longitudes given, moving forward a degree a day (backwards
// when the speed is negative).
void Place(ChartResult& chart, std::initializer_list<BodyId> ids, double from, double step, double speed = 1.0) {
  double at = from;
  for (const BodyId id : ids) {
    const double lambda = std::fmod(at + 360.0, 360.0);
    chart[id] = {lambda, chart[id].declination, std::fmod(lambda + speed + 360.0, 360.0), chart[id].declinationNext};
    at += step;
  }
}

constexpr std::initializer_list<BodyId> kEight = {BodyId::Sun,  BodyId::Moon,    BodyId::Mercury, BodyId::Venus,
                                                  BodyId::Mars, BodyId::Jupiter, BodyId::Saturn,  BodyId::Chiron};

constexpr std::initializer_list<BodyId> kTwelve = {
    BodyId::Sun,    BodyId::Moon,   BodyId::Mercury,  BodyId::Venus, BodyId::Mars, BodyId::Jupiter,
    BodyId::Saturn, BodyId::Uranus, BodyId::MeanNode, BodyId::Eros,  BodyId::Eris, BodyId::PartOfFortune};

struct Case {
  const char* name;
  ChartInput input;
  std::function<void(ChartResult&)> arrange;
};

std::vector<Case> Cases() {
  const ChartInput sample = testing::SampleInput();
  ChartInput north = sample;
  north.latitude = 66.0;
  north.houseIndex = 2;  // Koch: the narrowest houses
  ChartInput stellium;
  stellium.year = 1962;
  stellium.month = 2;
  stellium.day = 4;
  stellium.hour = 16;
  stellium.minute = 30;
  stellium.longitude = 77.2245;
  stellium.latitude = 28.6358;
  return {
      {"sample chart", sample, [](ChartResult&) {}},
      {"Koch at 66 deg north", north, [](ChartResult&) {}},
      {"stellium of 8 within 6 deg", sample, [](ChartResult& c) { Place(c, kEight, 100.0, 6.0 / 7.0); }},
      {"dozen within 10 deg, backwards", sample, [](ChartResult& c) { Place(c, kTwelve, 200.0, 10.0 / 11.0, -0.2); }},
      {"both sides of 0 Aries", sample, [](ChartResult& c) { Place(c, kEight, 356.5, 1.0); }},
      {"every body within 2 deg", sample,
       [](ChartResult& c) {
         for (const WheelBody& b : ModernWheelBodies()) Place(c, {b.id}, 45.0 + 0.08 * static_cast<int>(b.id), 0.0);
       }},
      {"equal longitudes", sample, [](ChartResult& c) { Place(c, kEight, 300.0, 0.0); }},
      // A real one: 4 February 1962, 16:30 UT at New Delhi, seven bodies from 2 to 19 degrees
      // Aquarius with the Sun-Moon midpoint among them, Mercury retrograde.
      {"Aquarius stellium of 1962", stellium, [](ChartResult&) {}},
  };
}

ChartResult Arranged(const Case& c) {
  ChartResult chart = ComputeChart(c.input);
  c.arrange(chart);
  return chart;
}

std::string Describe(const WheelLabel& l) {
  return "kind " + std::to_string(static_cast<int>(l.kind)) + " '" + l.text + "' glyph " + std::to_string(l.glyphId) +
         " at " + std::to_string(l.box.cx) + "," + std::to_string(l.box.cy);
}

double Distance(WheelXY a, WheelXY b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The nearest and farthest distances of a box's points from p.
std::pair<double, double> Reach(const WheelBox& b, WheelXY p) {
  const double dx = std::max(0.0, std::fabs(b.cx - p.x) - b.halfWidth);
  const double dy = std::max(0.0, std::fabs(b.cy - p.y) - b.halfHeight);
  return {std::hypot(dx, dy), std::hypot(std::fabs(b.cx - p.x) + b.halfWidth, std::fabs(b.cy - p.y) + b.halfHeight)};
}

TEST(ModernWheelLayout, NoTwoGlyphsOrLabelsOverlapOnCrowdedCharts) {
  for (const int size : {400, 1600}) {
    for (const Case& c : Cases()) {
      ModernWheelOptions options;
      options.size = size;
      options.table = true;
      options.name = "A Name";
      const ModernWheelLayout layout = LayoutModernWheel(c.input, Arranged(c), options);
      const auto labels = AllLabels(layout);
      ASSERT_GT(labels.size(), 12u * 4);
      for (std::size_t i = 0; i < labels.size(); ++i) {
        const WheelBox& b = labels[i]->box;
        EXPECT_TRUE(b.cx - b.halfWidth >= 0 && b.cx + b.halfWidth <= layout.width && b.cy - b.halfHeight >= 0 &&
                    b.cy + b.halfHeight <= layout.height)
            << c.name << " " << size << ": outside the picture: " << Describe(*labels[i]);
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
          EXPECT_FALSE(BoxesOverlap(b, labels[j]->box))
              << c.name << " " << size << ": " << Describe(*labels[i]) << " overlaps " << Describe(*labels[j]);
        }
      }
    }
  }
}

TEST(ModernWheelLayout, EveryBodyWithAValueIsDrawnOnceInZodiacOrder) {
  for (const Case& c : Cases()) {
    ChartResult chart = Arranged(c);
    chart[BodyId::Sedna] = {kNoLongitude, kNoDeclination, kNoLongitude, kNoDeclination};  // outside its table
    const ModernWheelLayout layout = LayoutModernWheel(c.input, chart, {});

    std::map<BodyId, int> drawn;
    for (const PlacedBody& b : layout.bodies) {
      ++drawn[b.id];
      EXPECT_EQ(1, std::count_if(b.labels.begin(), b.labels.end(),
                                 [](const WheelLabel& l) { return l.kind == WheelLabelKind::BodyGlyph; }))
          << c.name;
    }
    for (const WheelBody& b : ModernWheelBodies()) {
      EXPECT_EQ(b.id == BodyId::Sedna ? 0 : 1, drawn[b.id]) << c.name << ": " << BodyKey(b.id);
    }

    // Sorted by where they are (ties in BodyId order) and by where they are drawn, the bodies
    // run in the same cycle.
    std::vector<const PlacedBody*> byTrue, byShown;
    for (const PlacedBody& b : layout.bodies) byTrue.push_back(&b);
    byShown = byTrue;
    std::stable_sort(byTrue.begin(), byTrue.end(),
                     [](const PlacedBody* a, const PlacedBody* b) { return a->longitude < b->longitude; });
    std::stable_sort(byShown.begin(), byShown.end(),
                     [](const PlacedBody* a, const PlacedBody* b) { return a->shownLongitude < b->shownLongitude; });
    const auto start = std::find(byShown.begin(), byShown.end(), byTrue.front());
    std::rotate(byShown.begin(), start, byShown.end());
    for (std::size_t k = 0; k < byTrue.size(); ++k) {
      EXPECT_EQ(BodyKey(byTrue[k]->id), BodyKey(byShown[k]->id)) << c.name << " at " << k;
    }
  }
}

TEST(ModernWheelLayout, EachPartStaysInItsRing) {
  for (const Case& c : Cases()) {
    const ModernWheelLayout layout = LayoutModernWheel(c.input, Arranged(c), {});
    for (const PlacedBody& b : layout.bodies) {
      for (const WheelLabel& l : b.labels) {
        const auto [nearest, farthest] = Reach(l.box, layout.centre);
        EXPECT_GT(nearest, layout.houseOuter) << c.name << ": " << Describe(l);
        EXPECT_LT(farthest, layout.zodiacInner) << c.name << ": " << Describe(l);
      }
      const double moved = std::fabs(std::remainder(b.shownLongitude - b.longitude, 360.0));
      EXPECT_EQ(moved > 0.25, !b.leader.empty()) << c.name << ": " << BodyKey(b.id) << " moved " << moved;
      EXPECT_NEAR(layout.zodiacInner, Distance(b.tickFrom, layout.centre), 1e-9);
    }
    for (const PlacedCusp& cusp : layout.cusps) {
      for (const WheelLabel& l : cusp.labels) {
        EXPECT_GE(Reach(l.box, layout.centre).first, layout.zodiacOuter) << c.name << ": " << Describe(l);
      }
    }
    for (const WheelLabel& n : layout.houseNumbers) {
      const auto [nearest, farthest] = Reach(n.box, layout.centre);
      EXPECT_GT(nearest, layout.aspectRadius) << c.name << ": " << Describe(n);
      EXPECT_LT(farthest, layout.houseOuter) << c.name << ": " << Describe(n);
    }
  }
}

// The twelve cusps: the computed ones where the chart has them, their opposites half a turn on;
// the Ascendant at 9 o'clock, the angles heavier.
TEST(ModernWheelLayout, TwelveCuspsWithTheAnglesNamed) {
  const ChartInput in = testing::SampleInput();
  const ChartResult chart = ComputeChart(in);
  const ModernWheelLayout layout = LayoutModernWheel(in, chart, {});
  ASSERT_EQ(12u, layout.cusps.size());
  const struct {
    int house;
    BodyId id;
    double offset;
    const char* name;
  } kWant[] = {{1, BodyId::Ascendant, 0, "As"},   {2, BodyId::Cusp2, 0, ""},    {3, BodyId::Cusp3, 0, ""},
               {4, BodyId::Midheaven, 180, "Ic"}, {5, BodyId::Cusp11, 180, ""}, {6, BodyId::Cusp12, 180, ""},
               {7, BodyId::Ascendant, 180, "Ds"}, {8, BodyId::Cusp2, 180, ""},  {9, BodyId::Cusp3, 180, ""},
               {10, BodyId::Midheaven, 0, "Mc"},  {11, BodyId::Cusp11, 0, ""},  {12, BodyId::Cusp12, 0, ""}};
  for (const auto& w : kWant) {
    const PlacedCusp& cusp = layout.cusps[static_cast<std::size_t>(w.house - 1)];
    EXPECT_EQ(w.house, cusp.house);
    EXPECT_NEAR(std::fmod(chart[w.id].longitude + w.offset, 360.0), cusp.longitude, 1e-9) << w.house;
    EXPECT_EQ(*w.name != 0, cusp.angle) << w.house;
    const bool named = std::any_of(cusp.labels.begin(), cusp.labels.end(), [&](const WheelLabel& l) {
      return l.kind == WheelLabelKind::AngleName && l.text == w.name;
    });
    EXPECT_EQ(*w.name != 0, named) << w.house;
  }
  const PlacedCusp& as = layout.cusps[0];
  EXPECT_NEAR(layout.centre.y, as.lineTo.y, 1e-9);
  EXPECT_LT(as.lineTo.x, layout.centre.x);
  std::vector<std::string> numbers;
  for (const WheelLabel& n : layout.houseNumbers) numbers.push_back(n.text);
  EXPECT_EQ((std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}), numbers);
}

TEST(ModernWheelLayout, EverythingScalesWithTheSize) {
  const Case c = Cases()[2];
  const ChartResult chart = Arranged(c);
  ModernWheelOptions small;
  small.size = 400;
  small.table = true;
  small.name = "A Name";
  ModernWheelOptions large = small;
  large.size = 1600;
  const ModernWheelLayout a = LayoutModernWheel(c.input, chart, small);
  const ModernWheelLayout b = LayoutModernWheel(c.input, chart, large);
  EXPECT_NEAR(4 * a.width, b.width, 4.0);  // each rounded up to whole pixels
  EXPECT_NEAR(4 * a.height, b.height, 4.0);
  EXPECT_NEAR(4 * a.stroke, b.stroke, 1e-9);
  EXPECT_NEAR(4 * a.heavyStroke, b.heavyStroke, 1e-9);
  const auto la = AllLabels(a);
  const auto lb = AllLabels(b);
  ASSERT_EQ(la.size(), lb.size());
  for (std::size_t i = 0; i < la.size(); ++i) {
    EXPECT_NEAR(4 * la[i]->box.cx, lb[i]->box.cx, 1e-6) << Describe(*la[i]);
    EXPECT_NEAR(4 * la[i]->box.cy, lb[i]->box.cy, 1e-6) << Describe(*la[i]);
    EXPECT_NEAR(4 * la[i]->box.halfWidth, lb[i]->box.halfWidth, 1e-6) << Describe(*la[i]);
    EXPECT_NEAR(4 * la[i]->fontPx, lb[i]->fontPx, 1e-6) << Describe(*la[i]);
  }
  for (std::size_t i = 0; i < a.header.size(); ++i) EXPECT_NEAR(4 * a.header[i].fontPx, b.header[i].fontPx, 1e-9);
}

TEST(ModernWheelLayout, BodyColumnsReadTheirPositionInTheSign) {
  const ChartInput in = testing::SampleInput();
  ChartResult chart = ComputeChart(in);
  const struct {
    double longitude;
    double next;
    const char* degrees;
    int sign;
    const char* minutes;
    bool retrograde;
  } kRows[] = {
      {5.12, 6.1, "5\u00b0", 157, "07\u2032", false},       // Aries
      {123.99, 123.5, "3\u00b0", 163, "59\u2032", true},    // Leo, backwards
      {29.9999, 30.5, "29\u00b0", 157, "59\u2032", false},  // minutes cut, never carried into Taurus
      {359.5, 0.2, "29\u00b0", 170, "30\u2032", false},     // forwards across 0 deg
      {0.2, 359.5, "0\u00b0", 157, "12\u2032", true},       // backwards across 0 deg
  };
  for (const auto& row : kRows) {
    chart[BodyId::Mars] = {row.longitude, 0, row.next, 0};
    const ModernWheelLayout layout = LayoutModernWheel(in, chart, {});
    const auto mars = std::find_if(layout.bodies.begin(), layout.bodies.end(),
                                   [](const PlacedBody& b) { return b.id == BodyId::Mars; });
    ASSERT_NE(layout.bodies.end(), mars);
    ASSERT_EQ(row.retrograde ? 5u : 4u, mars->labels.size()) << row.longitude;
    EXPECT_EQ(148, mars->labels[0].glyphId);
    EXPECT_EQ(row.degrees, mars->labels[1].text) << row.longitude;
    EXPECT_EQ(row.sign, mars->labels[2].glyphId) << row.longitude;
    EXPECT_EQ(row.minutes, mars->labels[3].text) << row.longitude;
    EXPECT_EQ(row.retrograde, mars->retrograde) << row.longitude;
  }
}

TEST(ModernWheelLayout, AspectLinesFollowTheAspectsTable) {
  const ChartInput in = testing::SampleInput();
  ChartResult chart = ComputeChart(in);
  Place(chart, {BodyId::Sun}, 10.0, 0.0);
  Place(chart, {BodyId::Moon}, 130.0, 0.0);     // trine the Sun
  Place(chart, {BodyId::Mercury}, 157.0, 0.0);  // quincunx the Sun (147 deg)
  Place(chart, {BodyId::Chiron}, 190.0, 0.0);   // opposite the Sun, but a table body: no line
  ModernWheelOptions options;
  options.points = {};
  for (const BodyId id : {BodyId::Sun, BodyId::Moon, BodyId::Mercury, BodyId::Chiron}) {
    options.points[static_cast<std::size_t>(id)] = true;
  }
  const auto lines = [&](const char* aspects) {
    std::string error;
    options.aspects = *ParseAspectSelection(aspects, error);
    std::vector<std::string> out;
    for (const WheelAspect& a : LayoutModernWheel(in, chart, options).aspects) {
      out.push_back(std::string(BodyLabel(a.a)) + " " + std::to_string(static_cast<int>(a.angleDeg)) + " " +
                    std::string(BodyLabel(a.b)) + " " + std::string(AspectKindName(a.kind)));
    }
    return out;
  };
  EXPECT_EQ((std::vector<std::string>{"So 120 Mo soft"}), lines("major"));
  EXPECT_EQ((std::vector<std::string>{"So 120 Mo soft", "So 150 Me minor"}), lines("all"));
  EXPECT_EQ((std::vector<std::string>{"So 150 Me minor"}), lines("minor"));
  EXPECT_EQ((std::vector<std::string>{}), lines("none"));
}

}  // namespace
}  // namespace caelix

namespace caelix {
namespace {

// Long header lines are set smaller so that they end inside the picture, one under the other,
// above the wheel.
TEST(ModernWheelLayout, HeaderLinesEndInsideThePictureAboveTheWheel) {
  const ChartInput in = testing::SampleInput();
  const ChartResult chart = ComputeChart(in);
  for (const int size : {64, 400, 1600}) {
    for (const bool table : {false, true}) {
      ModernWheelOptions options;
      options.size = size;
      options.table = table;
      options.name = std::string(60, 'W') + " " + std::string(60, 'M');
      options.localTime = "1985-07-14 09:20 America/Argentina/ComodRivadavia (CEST, +02:00), one of two readings";
      options.placeName = "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch, Wales, United Kingdom";
      const ModernWheelLayout layout = LayoutModernWheel(in, chart, options);
      ASSERT_EQ(6u, layout.header.size());
      double previous = 0.0;
      for (const HeaderLine& line : layout.header) {
        const double width = TextWidthEm(line.text) * line.fontPx * (line.bold ? 1.1 : 1.0);
        EXPECT_LE(line.baseline.x + width, layout.width - line.baseline.x + 1e-6)
            << size << " " << table << ": '" << line.text << "' ends outside";
        EXPECT_GE(line.baseline.y - line.fontPx, previous - 1e-9) << size << ": '" << line.text << "'";
        previous = line.baseline.y;
      }
      EXPECT_LE(previous, layout.centre.y - layout.size / 2.0) << size;
      // Short lines keep their size: the house system's line is the usual 2.6 % of the side.
      EXPECT_NEAR(0.026 * size, layout.header.back().fontPx, 1e-9);
    }
  }
}

}  // namespace
}  // namespace caelix

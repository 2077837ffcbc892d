#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "chart/compute_chart.h"
#include "support/page_lines.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {
namespace {

using testing::ExpectPageLines;
using testing::PageLines;

constexpr BodyId kCounted[] = {BodyId::Sun,     BodyId::Moon,   BodyId::Mercury, BodyId::Venus,   BodyId::Mars,
                               BodyId::Jupiter, BodyId::Saturn, BodyId::Uranus,  BodyId::Neptune, BodyId::Pluto};

ChartResult WithBodies(const std::array<double, 10>& longitudes) {
  ChartResult r;
  for (std::size_t i = 0; i < 10; ++i) r[kCounted[i]].longitude = longitudes[i];
  return r;
}

// The same with Ascendant, Cusp2, Cusp3, Midheaven, Cusp11 and Cusp12 at the given longitudes.
ChartResult WithCusps(const std::array<double, 10>& longitudes, const std::array<double, 6>& cusps) {
  ChartResult r = WithBodies(longitudes);
  const BodyId ids[] = {BodyId::Ascendant, BodyId::Cusp2,  BodyId::Cusp3,
                        BodyId::Midheaven, BodyId::Cusp11, BodyId::Cusp12};
  for (std::size_t i = 0; i < 6; ++i) r[ids[i]].longitude = cusps[i];
  return r;
}

// The counts of a counting page's group lines, checked against the labels each lists.
int SumOfCounts(const std::string& page) {
  int sum = 0;
  const auto lines = PageLines(page);
  for (std::size_t i = 2; i < lines.size(); ++i) {
    const std::size_t tab = lines[i].find('\t');
    std::istringstream rest(lines[i].substr(tab + 1));
    int count = -1;
    rest >> count;
    int labels = 0;
    for (std::string label; rest >> label;) ++labels;
    EXPECT_EQ(count, labels) << lines[i];
    sum += count;
  }
  return sum;
}

TEST(ElementsPage, BodiesBySign) {
  struct Case {
    std::array<double, 10> at;
    std::vector<std::string> lines;
  } const cases[] = {
      {{0.0, 29.9999, 5, 10, 15, 20, 25, 1, 2, 3},
       {"Element:", "", "Fire:\t10  So Mo Me Ve Ma Ju Sa Ur Ne Pl ", "Earth:\t0  ", "Air:\t0  ", "Water:\t0  "}},
      {{30.0, 29.9999, 240.0, 275.0, 120.0, 150.0, 180.0, 310.0, 210.0, 359.99},  // 30.0 is Taurus
       {"Element:", "", "Fire:\t3  Mo Me Ma ", "Earth:\t3  So Ve Ju ", "Air:\t2  Sa Ur ", "Water:\t2  Ne Pl "}},
  };
  for (const Case& c : cases) ExpectPageLines(c.lines, BuildElementsText(WithBodies(c.at)));
}

TEST(QuadruplicityCusps, HalvesOfTheCircleReducedOnce) {
  const std::array<double, 13> want = {200, 230, 250, 90, 120, 350, 20, 50, 70, 270, 300, 170, 200};
  EXPECT_EQ(want, QuadruplicityCusps(WithCusps({}, {200.0, 230.0, 250.0, 270.0, 300.0, 170.0})));
}

TEST(QuadruplicityPage, HousesAcrossZeroAndOutOfOrder) {
  // 355 and 5 both stand in the first house (350 to 20); a body on a cusp is in the house it opens.
  ExpectPageLines(
      {"Quadruplicity:", "", "Cardinal:\t4  So Mo Ju Pl ", "Fixed:\t5  Me Ve Sa Ur Ne ", "Mutable:\t1  Ma "},
      BuildQuadruplicityText(WithCusps({355.0, 5.0, 20.0, 50.0 - 1e-9, 50.0, 260.0, 290.0, 319.0, 200.0, 170.0},
                                       {350.0, 20.0, 50.0, 260.0, 290.0, 320.0})));
  // Cusp2 below the Ascendant makes the first house run from 100 nearly all the way round, over
  // the second house: each body still counts once.
  const ChartResult r = WithCusps({110.0, 95.0, 5.0, 200.0, 275.0, 300.0, 45.0, 80.0, 130.0, 260.0},
                                  {100.0, 90.0, 120.0, 10.0, 40.0, 70.0});
  EXPECT_EQ(10, SumOfCounts(BuildQuadruplicityText(r)));
}

// Whatever the chart, the ten bodies are counted exactly once on each page.
TEST(CountingPages, CountsOfAnyChartAddUpToTen) {
  std::mt19937 rng(20060228);
  std::uniform_int_distribution<int> year(1800, 2100), month(1, 12), day(1, 28), hour(0, 23);
  std::uniform_real_distribution<double> minute(0.0, 60.0), lon(-180.0, 180.0), lat(-65.9, 65.9), circle(0.0, 360.0);
  for (int n = 0; n < 300; ++n) {
    ChartInput in;
    in.year = year(rng);
    in.month = month(rng);
    in.day = day(rng);
    in.hour = hour(rng);
    in.minute = minute(rng);
    in.longitude = lon(rng);
    in.latitude = lat(rng);
    in.houseIndex = n % 3;
    ChartResult chart = ComputeChart(in);
    EXPECT_EQ(10, SumOfCounts(BuildElementsText(chart))) << n;
    EXPECT_EQ(10, SumOfCounts(BuildQuadruplicityText(chart))) << n;
    for (BodyId id : kCounted) chart[id].longitude = circle(rng);  // any place of the bodies on the same cusps
    EXPECT_EQ(10, SumOfCounts(BuildElementsText(chart))) << n;
    EXPECT_EQ(10, SumOfCounts(BuildQuadruplicityText(chart))) << n;
  }
}

}  // namespace
}  // namespace caelix

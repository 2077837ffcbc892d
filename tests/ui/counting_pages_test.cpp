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

// Cusps 30 degrees apart with the first house running from 350 across 0 to 20.
ChartResult WithEvenHousesFrom350(const std::array<double, 10>& longitudes) {
  ChartResult r = WithBodies(longitudes);
  r[BodyId::Ascendant].longitude = 350.0;
  r[BodyId::Cusp2].longitude = 20.0;
  r[BodyId::Cusp3].longitude = 50.0;
  r[BodyId::Midheaven].longitude = 260.0;
  r[BodyId::Cusp11].longitude = 290.0;
  r[BodyId::Cusp12].longitude = 320.0;
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

TEST(ElementsPage, TenBodiesInAries) {
  ExpectPageLines(
      {"Element:", "", "Fire:\t10  So Mo Me Ve Ma Ju Sa Ur Ne Pl ", "Earth:\t0  ", "Air:\t0  ", "Water:\t0  "},
      BuildElementsText(WithBodies({0.0, 29.9999, 5, 10, 15, 20, 25, 1, 2, 3})));
}

TEST(ElementsPage, SignBoundariesAndEveryElement) {
  // 30.0 is Taurus, 29.9999 still Aries; one body in each of the signs Leo to Pisces.
  ExpectPageLines(
      {"Element:", "", "Fire:\t3  Mo Me Ma ", "Earth:\t3  So Ve Ju ", "Air:\t2  Sa Ur ", "Water:\t2  Ne Pl "},
      BuildElementsText(WithBodies({30.0, 29.9999, 240.0, 275.0, 120.0, 150.0, 180.0, 310.0, 210.0, 359.99})));
}

TEST(ElementsPage, ALongitudeOutsideTheCircleIsCountedNowhere) {
  const std::string page = BuildElementsText(WithBodies({kNoLongitude, 360.0, 5, 10, 15, 20, 25, 1, 2, 3}));
  EXPECT_EQ(8, SumOfCounts(page));
}

TEST(QuadruplicityCusps, HalvesOfTheCircleReducedOnce) {
  ChartResult r;
  r[BodyId::Ascendant].longitude = 200.0;
  r[BodyId::Midheaven].longitude = 270.0;
  r[BodyId::Cusp2].longitude = 230.0;
  r[BodyId::Cusp3].longitude = 250.0;
  r[BodyId::Cusp11].longitude = 300.0;
  r[BodyId::Cusp12].longitude = 170.0;
  const std::array<double, 13> want = {200, 230, 250, 90, 120, 350, 20, 50, 70, 270, 300, 170, 200};
  EXPECT_EQ(want, QuadruplicityCusps(r));
}

TEST(QuadruplicityPage, AHouseAcrossZero) {
  // 355 and 5 both stand in the first house (350 to 20); a body on a cusp is in the house it opens.
  ExpectPageLines(
      {"Quadruplicity:", "", "Cardinal:\t4  So Mo Ju Pl ", "Fixed:\t5  Me Ve Sa Ur Ne ", "Mutable:\t1  Ma "},
      BuildQuadruplicityText(
          WithEvenHousesFrom350({355.0, 5.0, 20.0, 50.0 - 1e-9, 50.0, 260.0, 290.0, 319.0, 200.0, 170.0})));
}

TEST(HouseOf, SpansCuspsAndOutsideValues) {
  const std::array<double, 13> c = QuadruplicityCusps(WithEvenHousesFrom350({}));
  struct Case {
    double lambda;
    int want;
  } const cases[] = {{355.0, 1},    {5.0, 1}, {350.0, 1}, {20.0, 2}, {19.999, 1},
                     {349.999, 12}, {0.0, 1}, {170.0, 7}, {-1.0, 0}, {360.0, 0}};
  for (const Case& k : cases) EXPECT_EQ(k.want, HouseOf(k.lambda, c)) << k.lambda;
}

TEST(QuadruplicityPage, CuspsOutOfOrderStillCountEachBodyOnce) {
  // Cusp2 below the Ascendant makes the first house run from 100 nearly all the way round.
  ChartResult r = WithBodies({110.0, 95.0, 5.0, 200.0, 275.0, 300.0, 45.0, 80.0, 130.0, 260.0});
  r[BodyId::Ascendant].longitude = 100.0;
  r[BodyId::Cusp2].longitude = 90.0;
  r[BodyId::Cusp3].longitude = 120.0;
  r[BodyId::Midheaven].longitude = 10.0;
  r[BodyId::Cusp11].longitude = 40.0;
  r[BodyId::Cusp12].longitude = 70.0;
  EXPECT_EQ(10, SumOfCounts(BuildQuadruplicityText(r)));
}

// Whatever the chart, the ten bodies are counted exactly once on each page.
TEST(CountingPages, CountsOfAnyChartAddUpToTen) {
  std::mt19937 rng(20060228);
  std::uniform_real_distribution<double> year(1800.0, 2100.0), month(1.0, 12.0), day(1.0, 28.0), hour(0.0, 23.0),
      minute(0.0, 59.99), lon(-180.0, 180.0), lat(-65.9, 65.9), circle(0.0, 360.0);
  for (int n = 0; n < 300; ++n) {
    ChartInput in;
    in.year = std::floor(year(rng));
    in.month = std::floor(month(rng));
    in.day = std::floor(day(rng));
    in.hour = std::floor(hour(rng));
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

#include "ui/pages/chart_aspects.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <set>
#include <string>

#include "chart/compute_chart.h"
#include "ui/pages/aspects_page.h"

namespace caelix {
namespace {

bool HasNext(BodyId id) { return !IsSingleInstant(id); }

// A record with nothing in it but the given slots (longitude, longitude one day later).
struct Placed {
  BodyId id;
  double now, next;
};
ChartResult Only(std::initializer_list<Placed> placed) {
  ChartResult r;
  for (auto& s : r.slots) s.longitude = kNoLongitude;
  for (const Placed& p : placed) {
    r[p.id].longitude = p.now;
    r[p.id].longitudeNext = p.next;
  }
  return r;
}

TEST(ChartAspects, NameOrbAndWhetherTheyClose) {
  const struct {
    const char* what;
    ChartResult chart;
    BodyId first, second;
    const char* name;
    double angle, orb;
    std::optional<bool> applying;
  } cases[] = {
      {"the Moon closing on a trine", Only({{BodyId::Sun, 10, 11}, {BodyId::Moon, 128, 141}}), BodyId::Sun,
       BodyId::Moon, "trine", 120, 2, true},
      {"the Moon past a trine", Only({{BodyId::Sun, 10, 11}, {BodyId::Moon, 135, 148}}), BodyId::Sun, BodyId::Moon,
       "trine", 120, 5, false},
      {"an opposition opening, Saturn retrograde", Only({{BodyId::Mars, 0, 0.5}, {BodyId::Saturn, 175, 174.9}}),
       BodyId::Mars, BodyId::Saturn, "opposition", 180, 5, false},
      {"an opposition closing", Only({{BodyId::Mars, 0, 359.5}, {BodyId::Saturn, 175, 175.1}}), BodyId::Mars,
       BodyId::Saturn, "opposition", 180, 5, true},
      {"a conjunction across 0 degrees, Mercury ahead and faster",
       Only({{BodyId::Sun, 355, 356}, {BodyId::Mercury, 3, 4.5}}), BodyId::Sun, BodyId::Mercury, "conjunction", 0, 8,
       false},
      {"a conjunction across 0 degrees, Mercury retrograde into the Sun",
       Only({{BodyId::Sun, 355, 356}, {BodyId::Mercury, 3, 2.5}}), BodyId::Sun, BodyId::Mercury, "conjunction", 0, 8,
       true},
      {"147 degrees is the quincunx, the earlier entry", Only({{BodyId::Venus, 0, 1}, {BodyId::Jupiter, 147, 147.1}}),
       BodyId::Venus, BodyId::Jupiter, "quincunx", 150, 3, false},
      {"a point has no next-day value", Only({{BodyId::Sun, 10, 11}, {BodyId::Ascendant, 100, 0}}), BodyId::Ascendant,
       BodyId::Sun, "square", 90, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto aspects = ChartAspects(c.chart, HasNext);
    ASSERT_EQ(1u, aspects.size()) << c.what;
    const ChartAspect& a = aspects[0];
    EXPECT_EQ(c.first, a.first) << c.what;
    EXPECT_EQ(c.second, a.second) << c.what;
    EXPECT_STREQ(c.name, a.aspect->name) << c.what;
    EXPECT_EQ(c.angle, a.aspect->angleDeg) << c.what;
    EXPECT_NEAR(c.orb, a.orbDeg, 1e-9) << c.what;
    EXPECT_EQ(c.applying, a.applying) << c.what;
  }
}

TEST(ChartAspects, EveryNameIsDistinct) {
  for (std::size_t i = 0; i < kAspectTable.size(); ++i) {
    for (std::size_t j = i + 1; j < kAspectTable.size(); ++j) {
      EXPECT_STRNE(kAspectTable[i].name, kAspectTable[j].name) << i << " " << j;
    }
  }
}

// The page lists a pair of bodies in both rows and a point's aspects in its row: the data holds
// each pair once, with the angle the page prints.
TEST(ChartAspects, TheSamePairsAsTheAspectsPageOnRealCharts) {
  std::mt19937 random(3);
  std::uniform_real_distribution<double> lon(-180, 180), lat(-65, 65);
  for (int n = 0; n < 300; ++n) {
    ChartInput in;
    in.year = 1900 + n % 250;
    in.month = 1 + n % 12;
    in.day = 1 + n % 28;
    in.hour = n % 24;
    in.minute = n % 60;
    in.longitude = lon(random);
    in.latitude = lat(random);
    const ChartResult r = ComputeChart(in);
    std::multiset<std::string> fromPage;
    const std::string page = BuildAspectsText(r);
    const std::regex row("([A-Za-z]+):\t((?:[^\r]|\r\n\t)*)\r\n");
    const std::regex entry("([0-9]+)([A-Z][a-z]) ");
    for (std::sregex_iterator m(page.begin(), page.end(), row), end; m != end; ++m) {
      const std::string label = (*m)[1], entries = (*m)[2];
      for (std::sregex_iterator e(entries.begin(), entries.end(), entry); e != end; ++e) {
        std::string a = label, b = (*e)[2];
        fromPage.insert((*e)[1].str() + " " + std::min(a, b) + "-" + std::max(a, b));
      }
    }
    std::multiset<std::string> fromData;
    for (const ChartAspect& a : ChartAspects(r, HasNext)) {
      std::string x(BodyLabel(a.first)), y(BodyLabel(a.second));
      const std::string key =
          std::to_string(static_cast<int>(a.aspect->angleDeg)) + " " + std::min(x, y) + "-" + std::max(x, y);
      fromData.insert(key);
      if (a.first <= BodyId::MeanNode) fromData.insert(key);  // the page shows it in both rows
      EXPECT_LE(a.orbDeg, a.aspect->orbDeg + 1e-9) << key;
      EXPECT_EQ(a.first <= BodyId::MeanNode, a.applying.has_value()) << key;
    }
    EXPECT_EQ(fromPage, fromData) << "chart " << n << "\n" << page;
  }
}

}  // namespace
}  // namespace caelix

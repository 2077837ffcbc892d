// The JSON line of a chart, byte for byte: hashes of ChartToJson's output on 400 made-up charts,
// recorded from the writer as it was before its speed work (tests/data/chart_json_golden.txt).
// The charts are made here, not computed, so that the hashes hold the writing alone (keys,
// numbers, escaping, aspects, counts, pages) whatever the engines' last digits become.
//
// Recording (only after a deliberate change of the layout): CAELIX_RECORD_JSON_GOLDEN=FILE
// build/tests/caelix_tests --gtest_filter='ChartJsonGolden.*' writes the hashes to FILE.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "chart/catalogue.h"
#include "cli/chart_json.h"
#include "places/birth_data.h"
#include "ui/pages/aspect_table.h"

namespace caelix {
namespace {

constexpr int kCharts = 400;

// SplitMix64: the same sequence on every platform and library.
class Draws {
 public:
  explicit Draws(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Bits() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  double Unit() { return static_cast<double>(Bits() >> 11) * 0x1p-53; }  // [0, 1)
  double Uniform(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  int Below(int n) { return static_cast<int>(Bits() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_;
};

double Wrap360(double x) {
  x = std::fmod(x, 360.0);
  return x < 0.0 ? x + 360.0 : x;
}

// A chart as an engine could leave it: cusps in zodiac order, bodies anywhere, some slots
// without a value or a next-day value, and some pairs placed exactly on the edge of an aspect's
// orb (and one step of a double either side), where the aspect search decides by its bounds.
Chart MadeUpChart(Draws& d, int n) {
  Chart c;
  c.input.day = 1 + d.Below(28);
  c.input.month = 1 + d.Below(12);
  c.input.year = n % 3 == 0 ? 1800 + d.Below(301) : -9999 + d.Below(110000);
  c.input.hour = d.Below(24);
  c.input.minute = n % 5 == 0 ? d.Below(60) : std::floor(d.Uniform(0, 60) * 1000) / 1000;
  c.input.longitude = n % 7 == 0 ? 0.0 : d.Uniform(-180, 180);
  c.input.latitude = d.Uniform(-66, 66);
  c.input.houseIndex = d.Below(3);
  c.engine = n % 2 == 0 ? Engine::Classic : Engine::Precise;
  c.jdUT = d.Uniform(-2000000, 38000000);
  c.jde = c.jdUT + d.Uniform(0, 2);
  for (const SlotInfo& slot : kCatalogue) {
    if (slot.kind == SlotKind::Empty) continue;
    BodySlot& s = c.slots[slot.id];
    s.longitude = d.Unit() < 0.01 ? 0.0 : d.Uniform(0, 360);
    s.declination = slot.kind == SlotKind::TableBody ? kNoDeclination : d.Uniform(-30, 30);
    const double motion = d.Below(4) == 0 ? d.Uniform(-1, 0) : d.Uniform(0, 15);
    s.longitudeNext = Wrap360(s.longitude + motion);
    s.declinationNext = slot.kind == SlotKind::TableBody ? kNoDeclination : s.declination + d.Uniform(-0.5, 0.5);
    if (slot.kind == SlotKind::TableBody && d.Below(5) == 0)
      s = {kNoLongitude, kNoDeclination, kNoLongitude, kNoDeclination};
    if (slot.kind == SlotKind::Point) {
      s.longitudeNext = 0.0;
      s.declinationNext = 0.0;
    }
  }
  // The cusps: the Ascendant, then 2, 3, the Midheaven (10), 11, 12 in zodiac order.
  double cusp = d.Uniform(0, 360);
  c.slots[BodyId::Ascendant].longitude = cusp;
  for (const BodyId id : {BodyId::Cusp2, BodyId::Cusp3})
    c.slots[id].longitude = cusp = Wrap360(cusp + d.Uniform(10, 50));
  cusp = Wrap360(c.slots[BodyId::Ascendant].longitude + 180.0);
  for (const BodyId id : {BodyId::Midheaven, BodyId::Cusp11, BodyId::Cusp12}) {
    c.slots[id].longitude = cusp = Wrap360(cusp + d.Uniform(10, 50));
  }
  // Pairs on the edge of an orb: x at the computed bound y + A + o or y - A - o, or a step beyond.
  const int onEdge = d.Below(4);
  for (int k = 0; k < onEdge; ++k) {
    const auto first = static_cast<BodyId>(1 + d.Below(15));
    const auto second = static_cast<BodyId>(1 + d.Below(10));
    if (first == second) continue;
    const AspectEntry& e = kAspectTable[static_cast<std::size_t>(d.Below(static_cast<int>(kAspectTable.size())))];
    const double y = c.slots[second].longitude;
    double x = d.Below(2) == 0 ? (e.orbDeg + e.angleDeg) + y : (y - e.angleDeg) - e.orbDeg;
    const int step = d.Below(3) - 1;
    if (step != 0) x = std::nextafter(x, step > 0 ? 1e9 : -1e9);
    if (x >= 0.0 && x < 360.0) c.slots[first].longitude = x;
  }
  return c;
}

ResolvedBirthData MadeUpBirth(Draws& d, int n) {
  ResolvedBirthData b;
  b.ut = {1900 + d.Below(200), 1 + d.Below(12), 1 + d.Below(28), d.Below(24), static_cast<double>(d.Below(60))};
  b.local = b.ut;
  b.local.minute = n % 2 == 0 ? 30.0 : 12.5;
  b.zoneName = n % 2 == 0 ? "Europe/Z\xC3\xBCrich" : "UTC+05:30";
  b.reading.offsetSeconds = (d.Below(49) - 24) * 1800;
  b.reading.daylightSaving = n % 3 == 0;
  b.reading.localMeanTime = n % 5 == 0;
  b.reading.abbreviation = n % 2 == 0 ? "CEST" : "+0530";
  b.chosen = n % 4 == 0;
  if (n % 2 == 0) {
    AtlasPlace p;
    p.name = "Z\xC3\xBCrich \"old town\"";
    p.regionName = "Z\\H";
    p.regionCode = "ZH";
    p.countryName = "Switzerland";
    p.countryCode = "CH";
    p.zone = "Europe/Zurich";
    p.latitudeDeg = d.Uniform(-66, 66);
    p.longitudeDeg = d.Uniform(-180, 180);
    p.population = static_cast<std::uint32_t>(d.Bits());
    b.place = p;
  }
  return b;
}

// Ids as a batch row may carry them: printable UTF-8, quotes and backslashes included.
std::optional<std::string> MadeUpId(Draws& d, int n) {
  switch (n % 6) {
    case 0:
      return std::nullopt;
    case 1:
      return "row-" + std::to_string(d.Below(100000));
    case 2:
      return std::string("say \"hi\" \\ C:\\temp\\") + std::to_string(n);
    case 3:
      return std::string("\xE6\x98\x9F\xE5\xBA\xA7 \xF0\x9F\x8C\x9F / </script>");
    case 4:
      return std::string();
    default:
      return std::string("tab\there");
  }
}

// FNV-1a, 64 bits.
std::uint64_t Fnv1a(const std::string& s) {
  std::uint64_t h = 0xCBF29CE484222325ULL;
  for (const char ch : s) {
    h ^= static_cast<unsigned char>(ch);
    h *= 0x100000001B3ULL;
  }
  return h;
}

struct Written {
  std::string name;  // "chart N plain", "chart N pages", "chart N birth"
  std::uint64_t hash;
  std::size_t bytes;
};

std::vector<Written> WriteAll() {
  Draws d(20261209);
  std::vector<Written> all;
  for (int n = 0; n < kCharts; ++n) {
    const Chart c = MadeUpChart(d, n);
    const std::optional<std::string> id = MadeUpId(d, n);
    const std::string prefix = "chart " + std::to_string(n);
    const std::string plain = ChartToJson(c, false, id);
    all.push_back({prefix + " plain", Fnv1a(plain), plain.size()});
    if (n % 4 == 0) {
      const std::string pages = ChartToJson(c, true, id);
      all.push_back({prefix + " pages", Fnv1a(pages), pages.size()});
    }
    if (n % 10 == 0) {
      const ResolvedBirthData b = MadeUpBirth(d, n);
      const std::string birth = ChartToJson(c, true, std::nullopt, &b);
      all.push_back({prefix + " birth", Fnv1a(birth), birth.size()});
    }
  }
  return all;
}

std::string GoldenPath() { return std::string(CAELIX_SOURCE_DIR) + "/tests/data/chart_json_golden.txt"; }

TEST(ChartJsonGolden, EveryLineIsByteForByteAsRecorded) {
  const std::vector<Written> all = WriteAll();
  if (const char* record = std::getenv("CAELIX_RECORD_JSON_GOLDEN")) {
    std::ofstream out(record);
    out << "# FNV-1a-64 of ChartToJson's output and its length, per made-up chart "
           "(tests/cli/chart_json_golden_test.cpp)\n";
    for (const Written& w : all) out << w.name << ' ' << std::hex << w.hash << std::dec << ' ' << w.bytes << '\n';
    GTEST_SKIP() << "recorded " << all.size() << " hashes to " << record;
  }
  std::ifstream in(GoldenPath());
  ASSERT_TRUE(in) << GoldenPath();
  std::string line;
  std::size_t i = 0;
  int mismatches = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    ASSERT_LT(i, all.size()) << "more recorded lines than written ones";
    const Written& w = all[i++];
    std::ostringstream got;
    got << w.name << ' ' << std::hex << w.hash << std::dec << ' ' << w.bytes;
    if (got.str() != line && ++mismatches <= 10) ADD_FAILURE() << "want " << line << "\n got " << got.str();
  }
  EXPECT_EQ(i, all.size()) << "written lines without a recorded hash";
  EXPECT_EQ(0, mismatches) << "JSON lines differ from the recorded ones";
}

}  // namespace
}  // namespace caelix

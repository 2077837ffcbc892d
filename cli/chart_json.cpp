#include "cli/chart_json.h"

#include <array>
#include <string_view>

#include "astro/nutation.h"
#include "chart/catalogue.h"
#include "chart/chart_houses.h"
#include "chart/precise_chart.h"
#include "chart/zodiac.h"
#include "cli/json_line_writer.h"
#include "cli/version.h"
#include "places/clock_zone.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/page_list.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {

namespace {

using JsonWriter = JsonLineWriter;

// The tables' texts as the line writes them, checked and precomposed when the program is built.
template <std::size_t N, typename Row, typename Field>
constexpr std::array<QuotedText, N> QuotedColumn(const std::array<Row, N>& rows, Field field) {
  std::array<std::string_view, N> texts{};
  for (std::size_t i = 0; i < N; ++i) texts[i] = field(rows[i]);
  return QuotedValues(texts);
}

constexpr auto kSlotKeys = QuotedColumn(kCatalogue, [](const SlotInfo& s) { return s.key; });
constexpr auto kSlotLabels = QuotedColumn(kCatalogue, [](const SlotInfo& s) { return s.label; });
constexpr auto kSignTexts = QuotedValues(kSignNames);
constexpr auto kAspectNames = QuotedColumn(kAspectTable, [](const AspectEntry& e) { return std::string_view(e.name); });
constexpr auto kHouseNames = QuotedColumn(kHouseSystems, [](const HouseSystemInfo& h) { return h.name; });
constexpr std::array<QuotedText, kHouseSystems.size()> kHouseCodes = [] {
  std::array<QuotedText, kHouseSystems.size()> codes{};
  for (std::size_t i = 0; i < codes.size(); ++i)
    codes[i] = QuotedText::Value(std::string_view(&kHouseSystems[i].code, 1));
  return codes;
}();

static_assert(
    [] {
      for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (static_cast<std::size_t>(kCatalogue[i].id) != i) return false;
      }
      return true;
    }(),
    "the catalogue is in BodyId order");

// Where a house system stands in kHouseSystems.
std::size_t HouseRow(const ChartInput& input) {
  return static_cast<std::size_t>(&HouseSystemOf(input.houseIndex) - kHouseSystems.data());
}

bool HasNext(BodyId id) { return SlotOf(id).hasNext; }

static_assert(
    [] {
      for (const AspectEntry& e : kAspectTable) {
        if (e.angleDeg != static_cast<int>(e.angleDeg) || e.orbDeg != static_cast<int>(e.orbDeg)) return false;
      }
      return true;
    }(),
    "the aspect table's angles and orbs are written as integers");

void WriteInput(JsonWriter& w, const ChartInput& input) {
  w.Key("input"_name);
  w.StartObject();
  w.Member("day"_name, input.day);
  w.Member("month"_name, input.month);
  w.Member("year"_name, input.year);
  w.Member("hour"_name, input.hour);
  w.Member("minute"_name, input.minute);
  w.Member("longitude"_name, input.longitude);
  w.Member("latitude"_name, input.latitude);
  w.Member("houseCode"_name, kHouseCodes[HouseRow(input)]);
  w.Member("houseName"_name, kHouseNames[HouseRow(input)]);
  w.EndObject();
}

// The "date" and "time" members of a clock reading, inside an open object.
void WriteDateAndTime(JsonWriter& w, const ClockTime& t) {
  const std::string formatted = FormatClockTime(t);  // "YYYY-MM-DD HH:MM[:SS]"
  const std::size_t blank = formatted.rfind(' ');
  w.Member("date"_name, std::string_view(formatted).substr(0, blank));
  w.Member("time"_name, std::string_view(formatted).substr(blank + 1));
}

void WriteClock(JsonWriter& w, const QuotedText& key, const ClockTime& t) {
  w.Key(key);
  w.StartObject();
  WriteDateAndTime(w, t);
  w.EndObject();
}

void WriteBirthData(JsonWriter& w, const ResolvedBirthData& birth) {
  w.Key("localTime"_name);
  w.StartObject();
  WriteDateAndTime(w, birth.local);
  w.Member("zone"_name, std::string_view(birth.zoneName));
  w.Member("tzdataVersion"_name, std::string_view(TzdataVersion()));
  w.Member("abbreviation"_name, std::string_view(birth.reading.abbreviation));
  w.Member("offsetSeconds"_name, birth.reading.offsetSeconds);
  w.Member("offset"_name, std::string_view(FormatOffset(birth.reading.offsetSeconds)));
  w.MemberBool("daylightSaving"_name, birth.reading.daylightSaving);
  w.MemberBool("localMeanTime"_name, birth.reading.localMeanTime);
  w.MemberBool("chosen"_name, birth.chosen);
  w.EndObject();
  WriteClock(w, "ut"_name, birth.ut);
  if (!birth.place) return;
  const AtlasPlace& p = *birth.place;
  w.Key("place"_name);
  w.StartObject();
  w.Member("name"_name, p.name);
  w.Member("region"_name, p.regionName);
  w.Member("regionCode"_name, p.regionCode);
  w.Member("country"_name, p.countryName);
  w.Member("countryCode"_name, p.countryCode);
  w.Member("latitude"_name, p.latitudeDeg);
  w.Member("longitude"_name, p.longitudeDeg);
  w.Key("population"_name);
  w.Uint(p.population);
  w.Member("zone"_name, p.zone);
  w.EndObject();
}

// The sign, the position within it and the house of a longitude.
void WriteZodiacPlace(JsonWriter& w, double longitude, const std::array<double, 12>& cusps) {
  const int sign = SignIndex(longitude);
  w.Key("sign"_name);
  w.StartObject();
  w.Member("index"_name, sign);
  w.Member("name"_name, kSignTexts[static_cast<std::size_t>(sign)]);
  w.EndObject();
  const PositionInSign p = SplitInSign(longitude);
  w.Key("inSign"_name);
  w.StartObject();
  w.Member("degrees"_name, p.degrees);
  w.Member("minutes"_name, p.minutes);
  w.Member("seconds"_name, p.seconds);
  w.EndObject();
  w.Member("house"_name, HouseOfLongitude(longitude, cusps));
}

void WriteBody(JsonWriter& w, const SlotInfo& slot, const BodySlot& s, double trueObliquityDeg,
               const std::array<double, 12>& cusps) {
  const auto row = static_cast<std::size_t>(slot.id);
  const bool hasValue = s.longitude != kNoLongitude;
  const bool hasDeclination = hasValue && s.declination != kNoDeclination;
  const bool hasNext = slot.hasNext && s.longitudeNext != kNoLongitude;
  w.StartObject();
  w.Member("id"_name, static_cast<int>(slot.id));
  w.Member("key"_name, kSlotKeys[row]);
  w.Member("label"_name, kSlotLabels[row]);
  w.MemberOrNull("longitude"_name, hasValue, s.longitude);
  const bool hasLatitude = hasDeclination && slot.latitude;
  w.MemberOrNull("latitude"_name, hasLatitude,
                 hasLatitude ? EclipticLatitude(s.longitude, s.declination, trueObliquityDeg) : 0.0);
  w.MemberOrNull("declination"_name, hasDeclination, s.declination);
  const double speed = DailyMotionDeg(s.longitude, s.longitudeNext);
  w.MemberOrNull("speed"_name, hasValue && hasNext, speed);
  if (hasValue && hasNext) {
    w.MemberBool("retrograde"_name, speed < 0.0);
  } else {
    w.MemberNull("retrograde"_name);
  }
  if (hasValue) {
    WriteZodiacPlace(w, s.longitude, cusps);
  } else {
    w.MemberNull("sign"_name);
    w.MemberNull("inSign"_name);
    w.MemberNull("house"_name);
  }
  w.MemberOrNull("longitudeNext"_name, hasNext, s.longitudeNext);
  w.MemberOrNull("declinationNext"_name, hasNext && s.declinationNext != kNoDeclination, s.declinationNext);
  w.EndObject();
}

void WriteHouses(JsonWriter& w, const ChartInput& input, const std::array<double, 12>& cusps) {
  w.Key("houses"_name);
  w.StartObject();
  w.Member("system"_name, kHouseNames[HouseRow(input)]);
  w.Member("code"_name, kHouseCodes[HouseRow(input)]);
  w.Key("cusps"_name);
  w.StartArray();
  for (const double c : cusps) w.Double(c);
  w.EndArray();
  w.EndObject();
}

// The key of a page: the members that give a page's content as data are named after it.
constexpr std::string_view PageKey(Page page) {
  for (const PageInfo& p : kPages) {
    if (p.page == page) return p.key;
  }
  return {};
}

void WriteAspects(JsonWriter& w, const ChartResult& result, std::vector<ChartAspect>& aspects) {
  static constexpr QuotedText kName = QuotedText::Name(PageKey(Page::Aspects));
  w.Key(kName);
  w.StartArray();
  ChartAspects(result, HasNext, aspects);
  for (const ChartAspect& a : aspects) {
    w.StartObject();
    w.Member("first"_name, kSlotKeys[static_cast<std::size_t>(a.first)]);
    w.Member("second"_name, kSlotKeys[static_cast<std::size_t>(a.second)]);
    w.Member("name"_name, kAspectNames[static_cast<std::size_t>(a.aspect - kAspectTable.data())]);
    // The table's angles and orbs are whole degrees.
    w.Member("angle"_name, static_cast<int>(a.aspect->angleDeg));
    w.Member("orb"_name, a.orbDeg);
    w.Member("maxOrb"_name, static_cast<int>(a.aspect->orbDeg));
    if (a.applying) {
      w.MemberBool("applying"_name, *a.applying);
    } else {
      w.MemberNull("applying"_name);
    }
    w.EndObject();
  }
  w.EndArray();
}

// The members of one group of counts: the table's names, each with its count.
template <std::size_t N>
void WriteGroupCounts(JsonWriter& w, const std::array<QuotedText, N>& names, const std::array<int, N>& counts) {
  w.StartObject();
  for (std::size_t i = 0; i < N; ++i) w.Member(names[i], counts[i]);
  w.EndObject();
}

constexpr std::array<QuotedText, 4> kElementNames = {
    QuotedText::Name(ElementName(Element::Fire)), QuotedText::Name(ElementName(Element::Earth)),
    QuotedText::Name(ElementName(Element::Air)), QuotedText::Name(ElementName(Element::Water))};
constexpr std::array<QuotedText, 3> kModalityNames = {QuotedText::Name(ModalityName(Modality::Cardinal)),
                                                      QuotedText::Name(ModalityName(Modality::Fixed)),
                                                      QuotedText::Name(ModalityName(Modality::Mutable))};

// The ten bodies Sun to Pluto by the element and the modality of their sign, and by the kind of
// house they stand in as the quadruplicity page counts them.
void WriteCounts(JsonWriter& w, const ChartResult& result) {
  static constexpr QuotedText kElementsName = QuotedText::Name(PageKey(Page::Elements));
  w.Key("counts"_name);
  w.StartObject();
  std::array<int, 4> elements{};
  const auto elementGroups = ElementGroups(result);
  for (std::size_t e = 0; e < elements.size(); ++e) elements[e] = static_cast<int>(elementGroups[e].size());
  w.Key(kElementsName);
  WriteGroupCounts<4>(w, kElementNames, elements);
  std::array<int, 3> modalities{};
  for (const auto& group : elementGroups) {
    for (const BodyId id : group)
      ++modalities[static_cast<std::size_t>(ModalityOfSign(SignIndex(result[id].longitude)))];
  }
  w.Key("modalities"_name);
  WriteGroupCounts<3>(w, kModalityNames, modalities);
  std::array<int, 3> byHouse{};
  const auto houseGroups = QuadruplicityGroups(result);
  for (std::size_t g = 0; g < byHouse.size(); ++g) byHouse[g] = static_cast<int>(houseGroups[g].size());
  w.Key("quadruplicityByHouse"_name);
  WriteGroupCounts<3>(w, kModalityNames, byHouse);
  w.EndObject();
}

constexpr std::array<QuotedText, kPages.size()> kPageNames = [] {
  std::array<QuotedText, kPages.size()> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = QuotedText::Name(kPages[i].key);
  return names;
}();

void WritePages(JsonWriter& w, const Chart& chart) {
  w.Key("pages"_name);
  w.StartObject();
  for (std::size_t i = 0; i < kPages.size(); ++i) {
    w.Member(kPageNames[i], std::string_view(BuildPage(kPages[i].page, chart.input, chart.slots)));
  }
  w.EndObject();
}

}  // namespace

void AppendChartJson(ChartJsonBuffers& buffers, const Chart& chart, bool withPages,
                     const std::optional<std::string>& id, const ResolvedBirthData* birth) {
  JsonWriter w(buffers.text);
  w.StartObject();
  if (id) w.Member("id"_name, std::string_view(*id));
  w.Member("schemaVersion"_name, kJsonSchemaVersion);
  w.Member("caelixVersion"_name, CaelixVersion());
  WriteInput(w, chart.input);
  w.Member("engine"_name, EngineName(chart.engine));
  if (birth) WriteBirthData(w, *birth);
  w.Member("jdUT"_name, chart.jdUT);
  w.Member("jde"_name, chart.jde);
  const std::array<double, 12> cusps = TwelveCusps(chart.slots);
  const double trueObliquityDeg = TrueObliquity(chart.jde);
  w.Key("bodies"_name);
  w.StartArray();
  for (const SlotInfo& slot : kCatalogue) {
    if (slot.kind != SlotKind::Empty) WriteBody(w, slot, chart[slot.id], trueObliquityDeg, cusps);
  }
  w.EndArray();
  WriteHouses(w, chart.input, cusps);
  WriteAspects(w, chart.slots, buffers.aspects);
  WriteCounts(w, chart.slots);
  if (withPages) WritePages(w, chart);
  w.EndObject();
}

std::string ChartToJson(const Chart& chart, bool withPages, const std::optional<std::string>& id,
                        const ResolvedBirthData* birth) {
  ChartJsonBuffers buffers;
  buffers.text.Reserve(withPages ? 32768 : 24576);  // one line without regrowing
  AppendChartJson(buffers, chart, withPages, id, birth);
  return std::string(buffers.text.GetString(), buffers.text.GetSize());
}

}  // namespace caelix

#include "cli/chart_json.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <array>
#include <string_view>

#include "astro/nutation.h"
#include "chart/catalogue.h"
#include "chart/chart_houses.h"
#include "chart/precise_chart.h"
#include "chart/zodiac.h"
#include "cli/version.h"
#include "places/clock_zone.h"
#include "ui/pages/chart_aspects.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/page_list.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {

namespace {

using JsonWriter = rapidjson::Writer<rapidjson::StringBuffer>;

void Key(JsonWriter& w, std::string_view key) { w.Key(key.data(), static_cast<rapidjson::SizeType>(key.size())); }

void Text(JsonWriter& w, std::string_view text) {
  w.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

void Number(JsonWriter& w, std::string_view key, double v) {
  Key(w, key);
  w.Double(v);
}

void Integer(JsonWriter& w, std::string_view key, int v) {
  Key(w, key);
  w.Int(v);
}

void NumberOrNull(JsonWriter& w, std::string_view key, bool hasValue, double v) {
  Key(w, key);
  if (hasValue) {
    w.Double(v);
  } else {
    w.Null();
  }
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
  Key(w, "input");
  w.StartObject();
  Number(w, "day", input.day);
  Number(w, "month", input.month);
  Number(w, "year", input.year);
  Number(w, "hour", input.hour);
  Number(w, "minute", input.minute);
  Number(w, "longitude", input.longitude);
  Number(w, "latitude", input.latitude);
  const char code = input.houseCode();
  Key(w, "houseCode");
  Text(w, std::string_view(&code, 1));
  Key(w, "houseName");
  Text(w, input.houseName());
  w.EndObject();
}

void TextField(JsonWriter& w, std::string_view key, std::string_view text) {
  Key(w, key);
  Text(w, text);
}

// The "date" and "time" members of a clock reading, inside an open object.
void WriteDateAndTime(JsonWriter& w, const ClockTime& t) {
  const std::string formatted = FormatClockTime(t);  // "YYYY-MM-DD HH:MM[:SS]"
  const std::size_t blank = formatted.rfind(' ');
  TextField(w, "date", std::string_view(formatted).substr(0, blank));
  TextField(w, "time", std::string_view(formatted).substr(blank + 1));
}

void WriteClock(JsonWriter& w, std::string_view key, const ClockTime& t) {
  Key(w, key);
  w.StartObject();
  WriteDateAndTime(w, t);
  w.EndObject();
}

void WriteBirthData(JsonWriter& w, const ResolvedBirthData& birth) {
  Key(w, "localTime");
  w.StartObject();
  WriteDateAndTime(w, birth.local);
  TextField(w, "zone", birth.zoneName);
  TextField(w, "tzdataVersion", TzdataVersion());
  TextField(w, "abbreviation", birth.reading.abbreviation);
  Number(w, "offsetSeconds", birth.reading.offsetSeconds);
  TextField(w, "offset", FormatOffset(birth.reading.offsetSeconds));
  Key(w, "daylightSaving");
  w.Bool(birth.reading.daylightSaving);
  Key(w, "localMeanTime");
  w.Bool(birth.reading.localMeanTime);
  Key(w, "chosen");
  w.Bool(birth.chosen);
  w.EndObject();
  WriteClock(w, "ut", birth.ut);
  if (!birth.place) return;
  const AtlasPlace& p = *birth.place;
  Key(w, "place");
  w.StartObject();
  TextField(w, "name", p.name);
  TextField(w, "region", p.regionName);
  TextField(w, "regionCode", p.regionCode);
  TextField(w, "country", p.countryName);
  TextField(w, "countryCode", p.countryCode);
  Number(w, "latitude", p.latitudeDeg);
  Number(w, "longitude", p.longitudeDeg);
  Key(w, "population");
  w.Uint(p.population);
  TextField(w, "zone", p.zone);
  w.EndObject();
}

// The sign, the position within it and the house of a longitude.
void WriteZodiacPlace(JsonWriter& w, double longitude, const std::array<double, 12>& cusps) {
  const int sign = SignIndex(longitude);
  Key(w, "sign");
  w.StartObject();
  Integer(w, "index", sign);
  Key(w, "name");
  Text(w, SignName(sign));
  w.EndObject();
  const PositionInSign p = SplitInSign(longitude);
  Key(w, "inSign");
  w.StartObject();
  Integer(w, "degrees", p.degrees);
  Integer(w, "minutes", p.minutes);
  Number(w, "seconds", p.seconds);
  w.EndObject();
  Integer(w, "house", HouseOfLongitude(longitude, cusps));
}

void WriteBody(JsonWriter& w, const SlotInfo& slot, const BodySlot& s, double trueObliquityDeg,
               const std::array<double, 12>& cusps) {
  const bool hasValue = s.longitude != kNoLongitude;
  const bool hasDeclination = hasValue && s.declination != kNoDeclination;
  const bool hasNext = slot.hasNext && s.longitudeNext != kNoLongitude;
  w.StartObject();
  Key(w, "id");
  w.Uint(static_cast<unsigned>(slot.id));
  Key(w, "key");
  Text(w, slot.key);
  Key(w, "label");
  Text(w, slot.label);
  NumberOrNull(w, "longitude", hasValue, s.longitude);
  const bool hasLatitude = hasDeclination && slot.latitude;
  NumberOrNull(w, "latitude", hasLatitude,
               hasLatitude ? EclipticLatitude(s.longitude, s.declination, trueObliquityDeg) : 0.0);
  NumberOrNull(w, "declination", hasDeclination, s.declination);
  const double speed = DailyMotionDeg(s.longitude, s.longitudeNext);
  NumberOrNull(w, "speed", hasValue && hasNext, speed);
  Key(w, "retrograde");
  if (hasValue && hasNext) {
    w.Bool(speed < 0.0);
  } else {
    w.Null();
  }
  if (hasValue) {
    WriteZodiacPlace(w, s.longitude, cusps);
  } else {
    for (const char* key : {"sign", "inSign", "house"}) {
      Key(w, key);
      w.Null();
    }
  }
  NumberOrNull(w, "longitudeNext", hasNext, s.longitudeNext);
  NumberOrNull(w, "declinationNext", hasNext && s.declinationNext != kNoDeclination, s.declinationNext);
  w.EndObject();
}

void WriteHouses(JsonWriter& w, const ChartInput& input, const std::array<double, 12>& cusps) {
  Key(w, "houses");
  w.StartObject();
  Key(w, "system");
  Text(w, input.houseName());
  const char code = input.houseCode();
  Key(w, "code");
  Text(w, std::string_view(&code, 1));
  Key(w, "cusps");
  w.StartArray();
  for (const double c : cusps) w.Double(c);
  w.EndArray();
  w.EndObject();
}

// The key of a page: the members that give a page's content as data are named after it.
std::string_view PageKey(Page page) {
  for (const PageInfo& p : kPages) {
    if (p.page == page) return p.key;
  }
  return {};
}

void WriteAspects(JsonWriter& w, const ChartResult& result) {
  Key(w, PageKey(Page::Aspects));
  w.StartArray();
  for (const ChartAspect& a : ChartAspects(result, HasNext)) {
    w.StartObject();
    Key(w, "first");
    Text(w, BodyKey(a.first));
    Key(w, "second");
    Text(w, BodyKey(a.second));
    Key(w, "name");
    Text(w, a.aspect->name);
    // The table's angles and orbs are whole degrees.
    Integer(w, "angle", static_cast<int>(a.aspect->angleDeg));
    Number(w, "orb", a.orbDeg);
    Integer(w, "maxOrb", static_cast<int>(a.aspect->orbDeg));
    Key(w, "applying");
    if (a.applying) {
      w.Bool(*a.applying);
    } else {
      w.Null();
    }
    w.EndObject();
  }
  w.EndArray();
}

template <std::size_t N>
void WriteGroupCounts(JsonWriter& w, std::string_view key, const std::array<std::string_view, N>& names,
                      const std::array<int, N>& counts) {
  Key(w, key);
  w.StartObject();
  for (std::size_t i = 0; i < N; ++i) Integer(w, names[i], counts[i]);
  w.EndObject();
}

// The ten bodies Sun to Pluto by the element and the modality of their sign, and by the kind of
// house they stand in as the quadruplicity page counts them.
void WriteCounts(JsonWriter& w, const ChartResult& result) {
  Key(w, "counts");
  w.StartObject();
  std::array<int, 4> elements{};
  const auto elementGroups = ElementGroups(result);
  for (std::size_t e = 0; e < elements.size(); ++e) elements[e] = static_cast<int>(elementGroups[e].size());
  WriteGroupCounts<4>(
      w, PageKey(Page::Elements),
      {ElementName(Element::Fire), ElementName(Element::Earth), ElementName(Element::Air), ElementName(Element::Water)},
      elements);
  const std::array<std::string_view, 3> modalityNames = {
      ModalityName(Modality::Cardinal), ModalityName(Modality::Fixed), ModalityName(Modality::Mutable)};
  std::array<int, 3> modalities{};
  for (const auto& group : elementGroups) {
    for (const BodyId id : group)
      ++modalities[static_cast<std::size_t>(ModalityOfSign(SignIndex(result[id].longitude)))];
  }
  WriteGroupCounts<3>(w, "modalities", modalityNames, modalities);
  std::array<int, 3> byHouse{};
  const auto houseGroups = QuadruplicityGroups(result);
  for (std::size_t g = 0; g < byHouse.size(); ++g) byHouse[g] = static_cast<int>(houseGroups[g].size());
  WriteGroupCounts<3>(w, "quadruplicityByHouse", modalityNames, byHouse);
  w.EndObject();
}

void WritePages(JsonWriter& w, const Chart& chart) {
  Key(w, "pages");
  w.StartObject();
  for (const PageInfo& p : kPages) {
    Key(w, p.key);
    Text(w, BuildPage(p.page, chart.input, chart.slots));
  }
  w.EndObject();
}

}  // namespace

std::string ChartToJson(const Chart& chart, bool withPages, const std::optional<std::string>& id,
                        const ResolvedBirthData* birth) {
  rapidjson::StringBuffer buffer(nullptr, withPages ? 32768 : 24576);  // one line without regrowing
  JsonWriter w(buffer);
  w.StartObject();
  if (id) {
    Key(w, "id");
    Text(w, *id);
  }
  Integer(w, "schemaVersion", kJsonSchemaVersion);
  Key(w, "caelixVersion");
  Text(w, CaelixVersion());
  WriteInput(w, chart.input);
  Key(w, "engine");
  Text(w, EngineName(chart.engine));
  if (birth) WriteBirthData(w, *birth);
  Number(w, "jdUT", chart.jdUT);
  Number(w, "jde", chart.jde);
  const std::array<double, 12> cusps = TwelveCusps(chart.slots);
  const double trueObliquityDeg = TrueObliquity(chart.jde);
  Key(w, "bodies");
  w.StartArray();
  for (const SlotInfo& slot : kCatalogue) {
    if (slot.kind != SlotKind::Empty) WriteBody(w, slot, chart[slot.id], trueObliquityDeg, cusps);
  }
  w.EndArray();
  WriteHouses(w, chart.input, cusps);
  WriteAspects(w, chart.slots);
  WriteCounts(w, chart.slots);
  if (withPages) WritePages(w, chart);
  w.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize());
}

}  // namespace caelix

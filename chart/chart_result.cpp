#include "chart/chart_result.h"

namespace caelix {

namespace {

struct BodyName {
  std::string_view key;
  std::string_view label;
};

constexpr std::array<BodyName, kBodyCount> kNames = {{
    {"NoBody", ""},       {"Sun", "So"},
    {"Moon", "Mo"},       {"Mercury", "Me"},
    {"Venus", "Ve"},      {"Mars", "Ma"},
    {"Jupiter", "Ju"},    {"Saturn", "Sa"},
    {"Uranus", "Ur"},     {"Neptune", "Ne"},
    {"Pluto", "Pl"},      {"MeanNode", "Nn"},
    {"Ascendant", "As"},  {"Midheaven", "Mc"},
    {"Vertex", "Vx"},     {"PartOfFortune", "Pf"},
    {"Midpoint", "Mp"},   {"Cusp2", "D02"},
    {"Cusp3", "D03"},     {"Cusp11", "D11"},
    {"Cusp12", "D12"},    {"PartOfDaimon", "Pd"},
    {"Lilith", "Lilith"}, {"LilithTrue", "Lilith true"},
    {"Selena", "Selena"}, {"Waldemath", "Waldemath"},
    {"Chiron", "Chiron"}, {"Eros", "Eros"},
    {"Eris", "Eris"},     {"Sedna", "Sedna"},
    {"Orcus", "Orcus"},   {"Quaoar", "Quaoar"},
    {"Varuna", "Varuna"}, {"Ixion", "Ixion"},
}};

}  // namespace

std::string_view BodyLabel(BodyId id) { return kNames[static_cast<std::size_t>(id)].label; }

std::string_view BodyKey(BodyId id) { return kNames[static_cast<std::size_t>(id)].key; }

}  // namespace caelix

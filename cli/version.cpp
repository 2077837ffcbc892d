#include "cli/version.h"

#include <array>

namespace caelix {

namespace {

// The version of the Swiss Ephemeris is the one tools/make-tables wrote into the head of each
// astro/tables/*_generated.cpp; a test holds the two together.
constexpr std::array kDataSets = {
    DataSet{"table series of Lilith, Lilith true, Selena, Waldemath, Chiron, Eros, Eris, Sedna, Orcus, Quaoar, "
            "Varuna and Ixion (JD 2420800 to 2459380)",
            "computed with the Swiss Ephemeris 2.10.03-deb1 and its files (Debian swe-basic-data 4.0-20221111)",
            "AGPL-3.0, Astrodienst AG"},
};

}  // namespace

std::string_view CaelixVersion() { return CAELIX_VERSION; }

std::span<const DataSet> DataSets() { return kDataSets; }

std::string VersionText() {
  std::string text = "caelix ";
  text += CaelixVersion();
  text += "\nData sets:\n";
  for (const DataSet& d : kDataSets) {
    text += "  ";
    text += d.name;
    text += ": ";
    text += d.version;
    text += "; licence ";
    text += d.licence;
    text += '\n';
  }
  return text;
}

}  // namespace caelix

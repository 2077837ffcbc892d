#include "cli/version.h"

#include <array>

#include "places/version_notes.h"

namespace caelix {

namespace {

// The Swiss Ephemeris version is the one tools/make-tables wrote into the head of each
// astro/tables/*_generated.cpp; a test holds the two together. docs/data.md tells the whole story.
constexpr std::array kDataSets = {
    DataSet{"Table series of Lilith, Lilith true, Selena, Waldemath, Chiron, Eros, Eris, Sedna, Orcus, Quaoar, "
            "Varuna and Ixion, 1800 to 2100",
            "Swiss Ephemeris 2.10.03-deb1 with Debian's swe-basic-data 4.0-20221111 and seven asteroid files",
            "values computed from files under CC0-1.0 (swe-basic-data) and AGPL-3.0 (the asteroid files), "
            "with the AGPL-3.0 Swiss Ephemeris, Astrodienst AG"},
    DataSet{"Pluto's heliocentric series, 1800 to 2100 (used outside 1805 to 2030)",
            "Swiss Ephemeris 2.10.03-deb1 with Debian's swe-basic-data 4.0-20221111",
            "values computed from files under CC0-1.0 (swe-basic-data) with the AGPL-3.0 Swiss Ephemeris, "
            "Astrodienst AG"},
    DataSet{"The precise engine's series: VSOP87D (the Sun and the planets) and ELP/MPP02 (the Moon), truncated "
            "to 0.1\" over 1800 to 2100, and Delta T",
            "the npm package astronomia 4.3.0 (IMCCE's series; USNO and IERS Delta T)",
            "MIT (the package); the series are IMCCE's, freely distributed"},
    DataSet{"The corrections of Uranus and Neptune of the precise engine, 1800 to 2100",
            "Swiss Ephemeris 2.10.03-deb1 with Debian's swe-basic-data 4.0-20221111",
            "values computed from files under CC0-1.0 (swe-basic-data) with the AGPL-3.0 Swiss Ephemeris, "
            "Astrodienst AG"},
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
    text += "\n    source: ";
    text += d.version;
    text += "\n    licence: ";
    text += d.licence;
    text += '\n';
  }
  text += DataVersionNotes();
  return text;
}

}  // namespace caelix

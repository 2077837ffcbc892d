#pragma once
// The table objects through which the chart asks for the longitudes of the tabulated bodies.
// They hold no data of their own: the series are constant data of the program.
#include <string_view>

#include "astro/table_lookup.h"

namespace caelix {

// The built-in series of the twelve tabulated bodies (the chart looks them up with
// SeriesLongitude): Lilith the mean lunar apogee, Lilith true the osculating one, Selena, Waldemath,
// Chiron, Eros, Eris, Sedna, Orcus, Quaoar, Varuna and Ixion. The days each covers are given with
// its table object below.
extern const TableSeries kLilithSeries, kLilithTrueSeries, kSelenaSeries, kWaldemathSeries, kChironSeries, kErosSeries,
    kErisSeries, kSednaSeries, kOrcusSeries, kQuaoarSeries, kVarunaSeries, kIxionSeries;

// The common kind of every table object.
class EphemerisTable {
 public:
  virtual ~EphemerisTable() = default;

 protected:
  EphemerisTable() = default;
};

// The ranges below are those of the grids in astro/tables/table_values.h: from two steps after
// the first value to three steps before the last.

// Chiron: every 30 days, values for Julian days [2378560, 2488090] (5 Mar 1800 to 21 Jan 2100).
class ChironTable final : public EphemerisTable {
 public:
  // Returns Chiron's apparent ecliptic longitude of date in degrees, [0, 360), at the Julian day
  // jd, interpolated by Everett's formula; -1.0 outside the range above.
  double TableLongitude(double jd) const;
};

// Eros: every 5 days, values for Julian days [2378510, 2488115] (14 Jan 1800 to 15 Feb 2100).
class ErosTable final : public EphemerisTable {
 public:
  // Returns Eros' apparent ecliptic longitude of date in degrees, [0, 360), or -1.0 outside.
  double TableLongitude(double jd) const;
};

// Lilith true, the osculating lunar apogee: every day, values for Julian days
// [2378496, 2488127] (31 Dec 1799 to 27 Feb 2100).
class LilithTrueTable final : public EphemerisTable {
 public:
  // Returns the osculating apogee's ecliptic longitude of date in degrees, [0, 360), or -1.0.
  double TableLongitude(double jd) const;
};

// Waldemath: every 5 days, values for Julian days [2378510, 2488115] (14 Jan 1800 to 15 Feb 2100).
class WaldemathTable final : public EphemerisTable {
 public:
  // Returns Waldemath's ecliptic longitude of date in degrees, [0, 360), or -1.0 outside.
  double TableLongitude(double jd) const;
};

// Eight bodies every 30 days, values for Julian days [2378560, 2488090] (5 Mar 1800 to
// 21 Jan 2100), chosen by code: "Ll" Lilith (mean lunar apogee), "Se" Selena, "Xe" or "Ei" Eris,
// "Sd" Sedna, "Or" Orcus, "Qu" Quaoar, "Vr" Varuna, "Ix" Ixion.
class MultiBodyTable final : public EphemerisTable {
 public:
  // Returns the coded body's ecliptic longitude of date in degrees, [0, 360), at the Julian day
  // jd; -1.0 outside the range above or for a code not in the list (the empty code included).
  double TableLongitude(double jd, std::string_view code) const;
};

}  // namespace caelix

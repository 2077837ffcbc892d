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

// Chiron: every 30 days, values for Julian days [2420860, 2457490] (28 Dec 1915 to 11 Apr 2016).
class ChironTable final : public EphemerisTable {
 public:
  // Returns Chiron's apparent ecliptic longitude of date in degrees, [0, 360), at the Julian day
  // jd, interpolated by Everett's formula; -1.0 outside the range above.
  double TableLongitude(double jd) const;
};

// Eros: every 5 days, values for Julian days [2420810, 2457565] (8 Nov 1915 to 25 Jun 2016).
class ErosTable final : public EphemerisTable {
 public:
  // Returns Eros' apparent ecliptic longitude of date in degrees, [0, 360), or -1.0 outside.
  double TableLongitude(double jd) const;
};

// Lilith true, the osculating lunar apogee: every day, values for Julian days
// [2420810, 2457890] (8 Nov 1915 to 16 May 2017).
class LilithTrueTable final : public EphemerisTable {
 public:
  // Returns the osculating apogee's ecliptic longitude of date in degrees, [0, 360), or -1.0.
  double TableLongitude(double jd) const;
};

// Waldemath: every 5 days, values for Julian days [2420810, 2457890].
class WaldemathTable final : public EphemerisTable {
 public:
  // Returns Waldemath's ecliptic longitude of date in degrees, [0, 360), or -1.0 outside.
  double TableLongitude(double jd) const;
};

// Eight bodies every 30 days, values for Julian days [2420860, 2459290] (28 Dec 1915 to
// 16 Mar 2021), chosen by code: "Ll" Lilith (mean lunar apogee), "Se" Selena, "Xe" or "Ei" Eris,
// "Sd" Sedna, "Or" Orcus, "Qu" Quaoar, "Vr" Varuna, "Ix" Ixion.
class MultiBodyTable final : public EphemerisTable {
 public:
  // Returns the coded body's ecliptic longitude of date in degrees, [0, 360), at the Julian day
  // jd; -1.0 outside the range above or for a code not in the list (the empty code included).
  double TableLongitude(double jd, std::string_view code) const;
};

}  // namespace caelix

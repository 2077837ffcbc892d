#pragma once

namespace caelix {

struct ApparentPosition {
  double longitudeDeg;    // apparent ecliptic longitude of date, [0, 360)
  double declinationDeg;  // apparent declination, degrees
};

struct EquatorialOffset {
  double rightAscensionDeg;
  double declinationDeg;
};

// Returns the apparent place of the ecliptic position (longitudeDeg, latitudeDeg) at jd
// (dynamical time): converted to right ascension and declination with the mean obliquity,
// nutation applied in right ascension and declination by fixed-point iteration, annual
// aberration of the mean place added, and converted back to ecliptic longitude with the true
// obliquity (Meeus, Astronomical Formulae for Calculators, ch. 22-23). The second value is the
// apparent declination, not an ecliptic latitude.
ApparentPosition ApparentPlace(double jd, double longitudeDeg, double latitudeDeg);

// Returns the annual aberration in right ascension and declination, degrees to be added, of a
// star at (rightAscensionDeg, declinationDeg) at jd: the classical formulae with the constant
// 20.49" and the Sun's true longitude, solved by fixed-point iteration.
EquatorialOffset AnnualAberration(double jd, double rightAscensionDeg, double declinationDeg);

struct NutationOfDate;

// What the apparent place needs of one instant, computed once for every position at that instant.
struct ApparentPlaceContext {
  double meanObliquityDeg;
  double sinEps0, cosEps0, tanEps0;  // of the mean obliquity
  double nutationLongitudeDeg;       // delta psi
  double nutationObliquityDeg;       // delta epsilon
  double cosSunCosEps0;              // cos(Sun's true longitude) cos(mean obliquity)
  double sinSun;                     // sin(Sun's true longitude)
  double sinEps, cosEps;             // of the true obliquity
};

// Returns the context of jd (dynamical time) from its nutation and obliquities.
ApparentPlaceContext MakeApparentPlaceContext(const NutationOfDate& nutation);

// The same as ApparentPlace(jd, ...) with the context of jd at hand.
ApparentPosition ApparentPlace(const ApparentPlaceContext& context, double longitudeDeg, double latitudeDeg);

// The same as ApparentPlace(context, ...), the iterations' sines and cosines taken from those of
// the mean place by angle addition (the corrections are below 0.1 degrees) and the mean place's
// from its unit vector: two sines and cosines instead of about fourteen. Within 1e-12 degrees of
// ApparentPlace; the chart uses it.
ApparentPosition ApparentPlaceByAngleAddition(const ApparentPlaceContext& context, double longitudeDeg,
                                              double latitudeDeg);

// The largest number of passes of the fixed-point iterations above; they settle in a few.
constexpr int kMaxApparentPlacePasses = 50;

}  // namespace caelix

#pragma once
#include <array>

namespace caelix {

// Returns the longitude in degrees, [0, 360), of the cusp of house 2, 3, 11 or 12 at jdUT for
// geographic latitude latitudeDeg (|latitude| < 66), from the raw Ascendant and MC, in the
// system of houseCode: 'P' Placidus, 'K' Koch, 'C' Campanus (any other code: Placidus).
double HouseCusp(int cusp, double jdUT, double latitudeDeg, double ascendantDeg, double mcDeg, char houseCode);

// The four intermediate cusps 2, 3, 11 and 12 at once, with the true obliquity of jdUT at hand:
// each the same as HouseCusp gives it; Campanus computes its twelve cusps once for all four.
struct IntermediateCusps {
  double cusp2, cusp3, cusp11, cusp12;
};
IntermediateCusps HouseCusps(double trueObliquityDeg, double latitudeDeg, double ascendantDeg, double mcDeg,
                             char houseCode);

// Returns the right ascension of the MC in degrees, [0, 360), for obliquity epsDeg.
double RightAscensionOfMc(double mcDeg, double epsDeg);

// Returns the semi-arc in degrees of a point of declination deltaDeg at latitude phiDeg:
// 90 + AD above the horizon (upper) or 90 - AD below it, with the ascensional difference
// AD = asin(tan phi tan delta).
double SemiArc(double deltaDeg, double phiDeg, bool upper);

// The same with the sine and cosine of the latitude at hand (an iteration's invariants).
double SemiArc(double deltaDeg, double sinPhi, double cosPhi, bool upper);

// Placidus: trisection of the semi-arcs, by iteration on the cusp's own declination.
double PlacidusCusp(int cusp, double ramcDeg, double epsDeg, double phiDeg, double ascendantDeg, double mcDeg);

// The largest number of Placidus passes; near the latitude limit about sixty are needed.
constexpr int kMaxPlacidusPasses = 1000;

// Koch: trisection of the MC's upper semi-arc in time, projected through the Ascendant formula.
double KochCusp(int cusp, double ramcDeg, double epsDeg, double phiDeg, double mcDeg);

// Returns the twelve Campanus cusps in degrees, [0, 360), index 0 for cusp 1: the prime
// vertical divided into equal parts of 30 degrees, projected onto the ecliptic. MC, obliquity
// and latitude are given in radians.
std::array<double, 12> CampanusCusps(double mcRad, double epsRad, double phiRad);

}  // namespace caelix

#pragma once
// The arguments of the planets' perturbation series, in degrees (the time variable nu excepted)
// as polynomials in T, not reduced.
#include "astro/planet_frame.h"

namespace caelix {

// The mean anomalies of the perturbing bodies in the inner planets' terms. Their constants are
// rounded a little differently from the planets' own mean anomalies and from the Sun theory's;
// they are not interchangeable.

constexpr ElementPolynomial kMercuryAnomaly{102.27938, 149472.51529, 0.000007};  // M1
constexpr ElementPolynomial kVenusAnomaly{212.60322, 58517.80387, 0.001286};     // M2
constexpr ElementPolynomial kEarthAnomaly{358.47584, 35999.04975, -0.00015};     // ME
constexpr ElementPolynomial kJupiterAnomaly{225.32833, 3034.69202, -0.000722};   // M5

// The auxiliary angles of the outer planets' series (mean longitudes of the four planets) and
// their time variable nu = T / 5 + 0.1 (not an angle).
constexpr ElementPolynomial kJupiterAngle{237.47555, 3034.9061};  // P
constexpr ElementPolynomial kSaturnAngle{265.9165, 1222.1139};    // Q
constexpr ElementPolynomial kUranusAngle{243.51721, 428.4677};    // S
constexpr ElementPolynomial kNeptuneAngle{83.76922, 218.4901};    // G
constexpr ElementPolynomial kOuterTimeVariable{0.1, 0.2};         // nu

}  // namespace caelix

#pragma once
// The frame shared by the planet theories: mean elements, Kepler's equation, the reduction of
// the orbit to the ecliptic and the change of origin from the Sun to the Earth.
#include "astro/ecliptic_position.h"

namespace caelix {

// A polynomial c0 + c1 T + c2 T^2 + c3 T^3 in centuries since 1900.
struct ElementPolynomial {
  double c0;
  double c1 = 0.0;
  double c2 = 0.0;
  double c3 = 0.0;
};

// Returns p at T.
double Evaluate(const ElementPolynomial& p, double T);

// The mean elements of one planet as polynomials in T.
struct MeanElementTable {
  ElementPolynomial L;      // mean longitude, degrees
  ElementPolynomial M;      // mean anomaly, degrees
  ElementPolynomial e;      // eccentricity
  ElementPolynomial a;      // semi-major axis, AU
  ElementPolynomial i;      // inclination, degrees
  ElementPolynomial Omega;  // longitude of the ascending node, degrees
};

// Osculating-style elements of one evaluation. L, M and Omega are not reduced to [0, 360).
struct PlanetElements {
  double L;
  double M;
  double e;
  double a;
  double i;
  double Omega;
};

// Returns the elements of table at T centuries since 1900.
PlanetElements MeanElements(const MeanElementTable& table, double T);

// Returns the elements corrected by the long-period perturbations of the outer planets: L + A,
// M + A - B / e with the uncorrected e as divisor (B / e left out when e is exactly 0, where the
// perihelion is undefined), e + deltaE and a + deltaA. A and B in degrees, deltaA in AU.
PlanetElements CorrectedElements(const PlanetElements& mean, double A, double B, double deltaE, double deltaA);

// The perturbations a theory adds at the fixed places of the frame: to the argument of latitude
// before its reduction (u, degrees), to the heliocentric longitude (l) and latitude (b) after the
// reduction to the ecliptic (degrees), and to the heliocentric distance (r, AU).
struct FrameTerms {
  double u = 0.0;
  double l = 0.0;
  double b = 0.0;
  double r = 0.0;
};

// A heliocentric ecliptic position of date: longitude (degrees, not reduced), latitude
// (degrees) and distance (AU).
struct HeliocentricPosition {
  double longitudeDeg;
  double latitudeDeg;
  double radiusAu;
};

// The most passes of SolveKepler's two stages. From E = M Newton's method needs fewer than ten
// for the planets' eccentricities; halving the interval of width 2|e| rad reaches 1e-10 degrees
// in about 40 passes for |e| < 1.
constexpr int kMaxKeplerPasses = 50;
constexpr int kMaxKeplerBisections = 200;

// Returns the eccentric anomaly E in degrees (not reduced) with E - e sin E = M, M in degrees:
// Newton's method from E = M, at least one correction, stopping when a correction is at most
// toleranceDeg. Should it not settle within kMaxKeplerPasses (e near or beyond 1, or M so large
// that its rounding step exceeds the tolerance), the root is bracketed between M - |e| and
// M + |e| radians and found by bisection. For finite M and e it always ends with a finite value.
double SolveKepler(double M, double e, double toleranceDeg);

// Returns the angle from the node to the heliocentric longitude, degrees in [0, 360), of a point
// at argument of latitude uDeg, [0, 360), on an orbit inclined by iDeg: atan(cos i tan u) in the
// quadrant of u, exactly 90 and 270 at u = 90 and 270.
double ReduceToEcliptic(double uDeg, double iDeg);

// The eccentricity beyond which the frame holds an element set: the mean-element polynomials
// reach it only thousands of years from 1900, where the theories mean nothing.
constexpr double kMaxEccentricity = 0.99;

// Returns the heliocentric position of a planet with the given (corrected) elements: Kepler's
// equation to toleranceDeg, the true anomaly, the distance, the argument of latitude and the
// reduction to the ecliptic, each with the terms added where FrameTerms says. An eccentricity
// outside (-kMaxEccentricity, kMaxEccentricity) is held at that bound so that the result stays
// finite; a negative one describes the ellipse with the perihelion turned by 180 degrees.
HeliocentricPosition OrbitPosition(const PlanetElements& elements, double toleranceDeg, const FrameTerms& terms);

// Returns the geocentric ecliptic longitude ([0, 360)) and latitude ((-90, 90)) in degrees of a
// body at heliocentric position h: the vector of the Sun of SunPosition at the same instant plus
// the body's vector.
EclipticPosition GeocentricPosition(const EclipticPosition& sun, const HeliocentricPosition& h);

}  // namespace caelix

#pragma once
// The mean lunar node and the points derived from the Sun, the Moon and the Ascendant.

namespace caelix {

// Returns the longitude of the Moon's mean ascending node at jd (dynamical time), degrees
// [0, 360): the 1900-epoch polynomial of Meeus, without periodic terms.
double MeanNodeLongitude(double jd);

// Returns base + second - first reduced into [0, 360), computed as
// Normalize360(second - Normalize360(first - base)). The Part of Fortune is
// ArabicPart(sun, moon, ascendant); its reverse ArabicPart(moon, sun, ascendant).
double ArabicPart(double first, double second, double base);

// Returns the midpoint of two longitudes on the shorter arc, degrees [0, 360); for a separation
// of exactly 180 the plain average.
double SunMoonMidpoint(double sun, double moon);

}  // namespace caelix

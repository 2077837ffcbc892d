#pragma once

namespace caelix {

// Returns the Greenwich apparent sidereal time at 0h UT of the date of jd, in hours [0, 24):
// the mean sidereal time of IAU 1982 at that 0h (counted from J2000.0) plus the equation of the
// equinoxes, whose nutation is taken at the instant jd itself.
double ApparentSiderealTime0h(double jd);

struct NutationOfDate;

// The same with the nutation of the instant jd already at hand.
double ApparentSiderealTime0h(double jd, const NutationOfDate& nutation);

}  // namespace caelix

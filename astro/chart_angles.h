#pragma once

namespace caelix {

struct ChartAnglesValue {
  double ascendantDeg;   // [0, 360)
  double antiVertexDeg;  // the point opposite the Vertex, [0, 360)
  double mcDeg;          // [0, 360)
  double siderealDeg;    // local apparent sidereal angle theta, [0, 360)
};

// Returns the Ascendant, the anti-vertex and the MC for the instant jdUT (Universal Time) at
// geographic longitude (east positive) and latitude (north positive), all in degrees. dayAndTime
// is the day of month with the time of day as fraction; only its fraction is used, to carry the
// sidereal time of 0h forward by 24.0657098232 sidereal hours per solar day. The anti-vertex is
// the Ascendant formula at the opposite sidereal angle and the co-latitude, minus 90.
ChartAnglesValue ChartAngles(double jdUT, double dayAndTime, double longitudeDeg, double latitudeDeg);

struct NutationOfDate;

// The same with the nutation of jdUT already at hand.
ChartAnglesValue ChartAngles(double jdUT, const NutationOfDate& nutation, double dayAndTime, double longitudeDeg,
                             double latitudeDeg);

// Returns the Vertex in degrees, [0, 360): the point opposite the anti-vertex, taken at the
// western end of the prime vertical's axis (the half of the ecliptic from the IC forward to the
// MC), since the anti-vertex formula alone picks the eastern end in about half the charts.
double VertexLongitude(double antiVertexDeg, double mcDeg);

// Returns the ecliptic longitude in degrees, [0, 360), rising at sidereal angle thetaDeg for
// latitude phiDeg and obliquity epsDeg: the Ascendant formula without its final +90.
double RisingPointBase(double thetaDeg, double phiDeg, double epsDeg);

}  // namespace caelix

#pragma once

namespace caelix {

// A geocentric ecliptic position of date as a theory returns it.
struct EclipticPosition {
  double longitudeDeg = 0.0;  // [0, 360)
  double latitudeDeg = 0.0;   // (-90, 90); 0 for the Sun and the points
  double radiusAu = 0.0;      // distance; only the Sun fills it
};

}  // namespace caelix

#include "astro/angles.h"

namespace caelix {

double AngularDistance(double a, double b) {
  const double d = Normalize360(a - b);
  return d > 180.0 ? 360.0 - d : d;
}

}  // namespace caelix

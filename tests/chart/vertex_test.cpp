#include <gtest/gtest.h>

#include "astro/angles.h"
#include "chart/compute_chart.h"

namespace caelix {
namespace {

TEST(Vertex, AlwaysInTheWesternHalfOfBothHemispheres) {
  // From the IC forward to the MC; the anti-vertex formula alone gives the eastern end half the time.
  for (double lat : {-65.0, -33.9, -0.5, 0.5, 40.7, 65.0}) {
    for (double hour = 0.0; hour < 24.0; hour += 1.0) {
      for (double day : {1.0, 11.0, 21.0}) {
        ChartResult r;
        ComputeChart(day, hour, 17.0, 6.0, 1987.0, 151.2, lat, 'P', r);
        const double west = Normalize360(r[BodyId::Vertex].longitude - r[BodyId::Midheaven].longitude);
        ASSERT_GT(west, 180.0) << "lat " << lat << " hour " << hour << " day " << day;
      }
    }
  }
}

}  // namespace
}  // namespace caelix

#include "astro/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/near.h"

namespace caelix {
namespace {

using testing::Near;

TEST(Normalize360, ReducesIntoRange) {
  struct Case {
    double in, want;
  } const cases[] = {{360.0, 0.0},
                     {-0.5, 359.5},
                     {725.0, 5.0},
                     {0.0, 0.0},
                     {-720.0, 0.0},
                     {-1e-20, 0.0},
                     {481267.8831 * 980.0, std::fmod(481267.8831 * 980.0, 360.0)}};
  for (const Case& c : cases) {
    const double got = Normalize360(c.in);
    EXPECT_TRUE(Near(c.want, got, 1e-9)) << "in " << c.in;
    EXPECT_GE(got, 0.0);
    EXPECT_LT(got, 360.0);
  }
}

TEST(QuadrantAngle, EveryQuadrantAndAxis) {
  struct Case {
    double y, x, want;
  } const cases[] = {{1, -1, 135}, {-1, -1, 225}, {-1, 1, 315}, {0, -1, 180}, {2, 0, 90},
                     {-2, 0, 270}, {1, 1, 45},    {0, 1, 0},    {0, 0, 0},    {-1e-300, 1, 0}};
  for (const Case& c : cases) {
    const double got = QuadrantAngle(c.y, c.x);
    EXPECT_TRUE(Near(c.want, got, 1e-12)) << "y " << c.y << " x " << c.x;
    EXPECT_LT(got, 360.0);
  }
}

TEST(ArcSinDeg, KnownValuesAndTheLimits) {
  EXPECT_TRUE(Near(30.0, ArcSinDeg(0.5), 1e-12));
  EXPECT_TRUE(Near(-30.0, ArcSinDeg(-0.5), 1e-12));
  EXPECT_EQ(90.0, ArcSinDeg(1.0));
  EXPECT_EQ(-90.0, ArcSinDeg(-1.0000000000000002));
}

TEST(DegToRad, IsPiOver180) { EXPECT_TRUE(Near(M_PI / 180.0, DegToRad(), 1e-18)); }

TEST(AngularDistance, AcrossZero) {
  EXPECT_TRUE(Near(2.0, AngularDistance(359.0, 1.0), 1e-12));
  EXPECT_TRUE(Near(180.0, AngularDistance(0.0, 180.0), 1e-12));
  EXPECT_TRUE(Near(10.0, AngularDistance(5.0, 355.0), 1e-12));
}

}  // namespace
}  // namespace caelix

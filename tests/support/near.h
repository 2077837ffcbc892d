#pragma once
// Reference comparisons with a stated tolerance; a failure prints want, got and the difference.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace caelix::testing {

inline ::testing::AssertionResult Near(double want, double got, double tolerance) {
  const double diff = got - want;
  if (std::fabs(diff) <= tolerance) return ::testing::AssertionSuccess();
  char buf[200];
  std::snprintf(buf, sizeof buf, "want %.10f, got %.10f, difference %.3e (tolerance %.1e)", want, got, diff, tolerance);
  return ::testing::AssertionFailure() << buf;
}

// The same for angles in degrees: the difference is taken across 0/360.
inline ::testing::AssertionResult NearAngle(double want, double got, double tolerance) {
  double diff = std::fmod(got - want, 360.0);
  if (diff > 180.0) diff -= 360.0;
  if (diff < -180.0) diff += 360.0;
  if (std::fabs(diff) <= tolerance) return ::testing::AssertionSuccess();
  char buf[200];
  std::snprintf(buf, sizeof buf, "want %.10f, got %.10f, difference %.3e deg (tolerance %.1e)", want, got, diff,
                tolerance);
  return ::testing::AssertionFailure() << buf;
}

}  // namespace caelix::testing

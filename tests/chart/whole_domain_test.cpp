// Every input the main dialog admits gives a chart: no hang, no crash, every longitude in
// [0, 360) or the no-value marker, every declination finite, every page free of "nan" and "inf",
// and the wheel drawable: every point it draws lies near its square (a non-finite value turned
// into a pixel would land far outside).
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "chart/compute_chart.h"
#include "support/recording_surface.h"
#include "ui/pages/aspects_page.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/positions_page.h"
#include "ui/pages/quadruplicity_page.h"
#include "ui/wheel/chart_wheel.h"
#include "ui/wheel/header_text.h"

namespace caelix {
namespace {

constexpr int kWheelSide = 480;

bool NearTheWheel(int v) { return v >= -kWheelSide && v <= 2 * kWheelSide; }

::testing::AssertionResult WheelIsDrawable(const ChartInput& in, const ChartResult& r) {
  const std::string header = BuildHeaderText(in);
  if (header.find("nan") != std::string::npos || header.find("inf") != std::string::npos) {
    return ::testing::AssertionFailure() << "header shows a non-number: " << header;
  }
  RecordingSurface surface;
  ChartWheel wheel;
  wheel.DrawWheel(surface, Rect{0, 0, kWheelSide, kWheelSide}, r, header);
  for (const DrawnPrimitive& p : surface.primitives()) {
    const int coordinates[] = {p.x, p.y, p.right, p.bottom};
    for (int v : coordinates) {
      if (!NearTheWheel(v)) return ::testing::AssertionFailure() << "wheel draws " << Describe(p);
    }
  }
  return ::testing::AssertionSuccess();
}

// Checks the chart of in and its pages; draws the wheel too when withWheel.
::testing::AssertionResult ChartIsSound(const ChartInput& in, bool withWheel = true) {
  const ChartResult r = ComputeChart(in);
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    const auto id = static_cast<BodyId>(i);
    const BodySlot& s = r[id];
    const double values[] = {s.longitude, s.declination, s.longitudeNext, s.declinationNext};
    for (double v : values) {
      if (!std::isfinite(v)) return ::testing::AssertionFailure() << BodyKey(id) << " not finite";
    }
    const bool computed = !IsTableBody(id);
    const bool lonOk = (s.longitude >= 0.0 && s.longitude < 360.0) || s.longitude == kNoLongitude;
    const bool nextOk =
        IsSingleInstant(id) || (s.longitudeNext >= 0.0 && s.longitudeNext < 360.0) || s.longitudeNext == kNoLongitude;
    const bool decOk = computed ? std::fabs(s.declination) <= 91.0 : s.declination == kNoDeclination;
    if (!lonOk || !nextOk || !decOk) {
      return ::testing::AssertionFailure() << BodyKey(id) << " longitude " << s.longitude << " next " << s.longitudeNext
                                           << " declination " << s.declination;
    }
  }
  const std::string pages[] = {BuildPositionsText(in, r), BuildElementsText(r), BuildQuadruplicityText(r),
                               BuildAspectsText(r)};
  for (const std::string& page : pages) {
    if (page.find("nan") != std::string::npos || page.find("inf") != std::string::npos) {
      return ::testing::AssertionFailure() << "page shows a non-number:\n" << page;
    }
  }
  return withWheel ? WheelIsDrawable(in, r) : ::testing::AssertionSuccess();
}

std::string Describe(const ChartInput& in) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%.0f-%.0f-%.0f %.0f:%.17g lon %.17g lat %.17g %c", in.year, in.month, in.day, in.hour,
                in.minute, in.longitude, in.latitude, in.houseCode());
  return buf;
}

ChartInput Make(double year, double month, double day, double hour, double minute, double lon, double lat, int house) {
  ChartInput in;
  in.year = year;
  in.month = month;
  in.day = day;
  in.hour = hour;
  in.minute = minute;
  in.longitude = lon;
  in.latitude = lat;
  in.houseIndex = house;
  return in;
}

TEST(WholeDomain, EdgesOfEveryRange) {
  // Date stepping carries the year edit past what can be typed, up to the history's +-999999.
  const double years[] = {-999999, -10000, -9999, -4713, -4712, -1,    0,      1582,  1583,
                          1899,    1900,   2000,  2100,  9999,  99999, 100000, 999999};
  const double months[] = {0, 1, 2, 10, 12};
  const double days[] = {0, 1, 15, 16, 31};
  const double times[][2] = {{0, 0}, {23, 59.99}, {12, 30.5}};
  const double places[][2] = {{-360, -65.999}, {360, 65.999}, {0, 0}, {14.417, 50.083}, {-0.0001, -0.0001}};
  for (double y : years) {
    for (double m : months) {
      for (double d : days) {
        for (const auto& t : times) {
          for (const auto& p : places) {
            for (int house = 0; house < 3; ++house) {
              const ChartInput in = Make(y, m, d, t[0], t[1], p[0], p[1], house);
              ASSERT_TRUE(ChartIsSound(in)) << Describe(in);
            }
          }
        }
      }
    }
  }
}

TEST(WholeDomain, HundredThousandRandomCharts) {
  std::mt19937_64 rng(0x5eed);
  std::uniform_int_distribution<int> year(-9999, 99999), month(0, 12), day(0, 31), hour(0, 23), house(0, 2);
  std::uniform_real_distribution<double> minute(0.0, 59.0), lon(-360.0, 360.0), lat(-65.99999, 65.99999);
  for (int i = 0; i < 100000; ++i) {
    // Half the charts in the centuries people are born in, half anywhere the dialog admits.
    const double y = i % 2 == 0 ? year(rng) : 1800 + year(rng) % 400;
    const ChartInput in = Make(y, month(rng), day(rng), hour(rng), minute(rng), lon(rng), lat(rng), house(rng));
    // Every tenth chart is drawn too, to keep the test short.
    ASSERT_TRUE(ChartIsSound(in, i % 10 == 0)) << Describe(in);
  }
}

}  // namespace
}  // namespace caelix

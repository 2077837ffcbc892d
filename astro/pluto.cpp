#include "astro/pluto.h"

#include <cmath>
#include <optional>
#include <span>

#include "astro/angles.h"
#include "astro/pluto_table.h"
#include "astro/sun.h"
#include "astro/trig.h"

namespace caelix {

namespace {

// One term of the long series: the frequency (radians per Julian year) and, for the longitude,
// latitude and distance, the phase (radians) and amplitude (seconds of arc; AU for the distance)
// of A sin(frequency t + phase). An amplitude of 0 marks a term the series does not have.
struct LongSeriesTerm {
  double frequency;
  double longitudePhase, longitudeAmplitude;
  double latitudePhase, latitudeAmplitude;
  double distancePhase, distanceAmplitude;
};

constexpr LongSeriesTerm kLongSeries[] = {
    // frequency  phase l     A l (")   phase b    A b (")  phase r  A r (AU)     k
    {0.0253333, 0.2437848, 100356.4, 2.2502561, 57494.7, 4.969369, 9.5617},  // 1
    {0.0506666, 0.6671514, 18307.8, 2.4986289, 13980.4, 5.24815, 1.1609},    // 2
    {0.0759999, 1.053564, 4809.1, 2.789709, 3955.7, 5.53912, 0.2269},        // 3
    {0.1013332, 1.431099, 1409.1, 3.100095, 1209.1, 5.64936, 0.0573},        // 4
    {0.1266665, 1.87761, 448.0, 3.4088, 389.9, 5.2475, 0.0126},              // 5
    {0.1519998, 2.30195, 179.3, 3.68492, 127.0, 3.2686, 0.0045},             // 6
    {0.1773331, 2.4031, 79.7, 3.9293, 38.2, 2.247, 0.0051},                  // 7
    {0.2026664, 2.5975, 14.6, 4.6163, 10.3, 0.7, 0.0053},                    // 8
    {0.2279997, 5.296, 3.9, 5.03, 6.4, 6.121, 0.0033},                       // 9
    {0.253333, 4.64, 9.3, 4.859, 3.9, 5.065, 0.0029},                        // 10
    {0.2786663, 3.806, 7.8, 4.03, 1.9, 4.024, 0.0024},                       // 11
    {0.3039996, 2.701, 5.6, 2.726, 1.4, 2.974, 0.002},                       // 12
    {0.3293329, 1.502, 4.6, 1.599, 1.2, 1.922, 0.0016},                      // 13
    {0.3546662, 0.377, 4.0, 0.548, 1.1, 0.876, 0.0013},                      // 14
    {0.3799995, 5.559, 3.0, 5.891, 1.1, 6.097, 0.0011},                      // 15
    {0.4053328, 4.028, 2.2, 5.251, 1.0, 4.948, 0.001},                       // 16
    {0.4306661, 2.575, 3.2, 5.58, 0.7, 3.907, 0.0009},                       // 17
    {0.4559994, 2.001, 6.0, 0.481, 1.5, 3.174, 0.001},                       // 18
    {0.4813327, 2.221, 8.7, 0.757, 3.4, 3.392, 0.001},                       // 19
    {0.506666, 2.887, 23.7, 4.518, 0.8, 4.52, 0.0043},                       // 20
    {0.5319993, 0.396, 3.5, 1.96, 3.0, 1.721, 0.0011},                       // 21
    {0.5573326, 0.05, 0.7, 1.96, 0.4, 2.14, 0.0001},                         // 22
    {0.5826659, 5.38, 0.2, 1.66, 0.1, 0.0, 0.0},                             // 23
    {0.6079992, 4.25, 0.1, 0.0, 0.0, 0.0, 0.0},                              // 24
};

// The secular parts of the long series: longitude and latitude in seconds of arc, distance in
// AU, each constant + rate * t (t in Julian years since J2000.0).
constexpr struct {
  double constant, rate;
} kLongLongitude{860205.103, 5275.67422}, kLongLatitude{-14129.118, -1.23903}, kLongDistance{40.668607, -0.000431433};

// One term of the short series: (amplitude + perT T + perT2 T^2) times the sine (longitude,
// latitude, seconds of arc) or the cosine (distance, AU) of g G + f F, G and F in degrees.
struct ShortSeriesTerm {
  double amplitude;
  double perT = 0.0;
  double perT2 = 0.0;
  int g = 0;
  int f = 0;
};

// The longitude terms; the sin G row carries the secular (200 + 227 T) T sin G with it.
constexpr ShortSeriesTerm kShortLongitude[] = {
    // amplitude  T   T^2  G  F
    {+15517, 0, 0, 2, 0},       // sin 2G
    {+101577, 200, 227, 1, 0},  // sin G
    {-3593, 0, 0, 0, 2},        // sin 2F
    {+3414, 0, 0, 3, 0},        // sin 3G
    {-2201, 0, 0, 1, -2},       // sin(G - 2F)
    {-1871, 0, 0, 1, 2},        // sin(G + 2F)
    {+839, 0, 0, 4, 0},         // sin 4G
    {-757, 0, 0, 2, 2},         // sin(2G + 2F)
    {-285, 0, 0, 3, 2},         // sin(3G + 2F)
    {+218, 0, 0, 2, -2},        // sin(2G - 2F)
};

constexpr ShortSeriesTerm kShortLatitude[] = {
    // amplitude T  T^2  G  F
    {+1138, 0, 0, 3, 1},    // sin(3G + F)
    {+3870, 0, 0, 2, 1},    // sin(2G + F)
    {+14102, 0, 0, 1, 1},   // sin(G + F)
    {+15257, 0, 0, 1, -1},  // sin(G - F)
    {+57726, 0, 0, 0, 1},   // sin F
    {+353, 0, 0, 4, 1},     // sin(4G + F)
    {+472, 0, 0, 2, -1},    // sin(2G - F)
    {-144, 0, 0, 1, -3},    // sin(G - 3F)
    {-119, 0, 0, 0, 3},     // sin 3F
    {-111, 0, 0, 1, 3},     // sin(G + 3F)
};

constexpr double kShortDistanceConstant = 40.74638;
constexpr ShortSeriesTerm kShortDistance[] = {
    // amplitude  T  T^2  G  F
    {-9.58235, 0, 0, 1, 0},  // cos G
    {-1.16703, 0, 0, 2, 0},  // cos 2G
    {-0.22649, 0, 0, 3, 0},  // cos 3G
    {-0.04996, 0, 0, 4, 0},  // cos 4G
};

double SumShortSeries(std::span<const ShortSeriesTerm> terms, double T, double G, double F) {
  const double rad = DegToRad();
  double sum = 0.0;
  for (const ShortSeriesTerm& s : terms) {
    sum += (s.amplitude + s.perT * T + s.perT2 * T * T) * SinRad((s.g * G + s.f * F) * rad);
  }
  return sum;
}

}  // namespace

HeliocentricPosition PlutoLongSeries(double jd) {
  const double t = (jd - 2451545.0) * 0.0027378507871321013;
  double longitudeArcsec = kLongLongitude.rate * t + kLongLongitude.constant;
  double latitudeArcsec = kLongLatitude.constant + kLongLatitude.rate * t;
  double distance = kLongDistance.constant + kLongDistance.rate * t;
  for (const LongSeriesTerm& k : kLongSeries) {
    const double ft = k.frequency * t;
    if (k.longitudeAmplitude != 0.0) longitudeArcsec += k.longitudeAmplitude * SinRad(ft + k.longitudePhase);
    if (k.latitudeAmplitude != 0.0) latitudeArcsec += k.latitudeAmplitude * SinRad(ft + k.latitudePhase);
    if (k.distanceAmplitude != 0.0) distance += k.distanceAmplitude * SinRad(ft + k.distancePhase);
  }
  return HeliocentricPosition{longitudeArcsec * (1.0 / 3600.0), latitudeArcsec * (1.0 / 3600.0), distance};
}

HeliocentricPosition PlutoShortSeries(double jd) {
  const double d = jd - 2451545.0;
  const double T = d * 2.7378507871321012e-05 + 1.0;
  const double Lp = Normalize360((d * 1.115482e-05 + 0.663854) * 360.0);
  const double G = Normalize360((d * 1.104864e-05 + 0.04102) * 360.0);
  const double F = Normalize360((d * 1.104864e-05 + 0.357355) * 360.0);
  double distance = kShortDistanceConstant;
  for (const ShortSeriesTerm& s : kShortDistance) distance += s.amplitude * CosRad(s.g * G * DegToRad());
  return HeliocentricPosition{Lp + SumShortSeries(kShortLongitude, T, G, F) / 3600.0,
                              SumShortSeries(kShortLatitude, T, G, F) / 3600.0, distance};
}

namespace {

// The tabulated position near a switch, carried over to the long series: weight 1 at the switch,
// 0 once daysOutside reaches kPlutoJoinDays, with a smooth step (3s^2 - 2s^3) so that the motion
// has no kink at either end. The long series' longitude is not reduced; the difference is.
HeliocentricPosition JoinTableToLongSeries(double jd, double daysOutside, const HeliocentricPosition& table) {
  const double s = 1.0 - daysOutside / kPlutoJoinDays;
  const double w = s * s * (3.0 - 2.0 * s);
  const HeliocentricPosition longSeries = PlutoLongSeries(jd);
  double dl = Normalize360(longSeries.longitudeDeg - table.longitudeDeg);
  if (dl > 180.0) dl -= 360.0;
  return HeliocentricPosition{Normalize360(table.longitudeDeg + w * dl),
                              table.latitudeDeg + w * (longSeries.latitudeDeg - table.latitudeDeg),
                              table.radiusAu + w * (longSeries.radiusAu - table.radiusAu)};
}

}  // namespace

HeliocentricPosition PlutoHeliocentric(double jd) {
  if (jd >= kPlutoLongSeriesFirstJd && jd <= kPlutoLongSeriesLastJd) return PlutoLongSeries(jd);
  if (const std::optional<HeliocentricPosition> tabulated = PlutoTablePosition(jd)) {
    const double daysOutside =
        jd < kPlutoLongSeriesFirstJd ? kPlutoLongSeriesFirstJd - jd : jd - kPlutoLongSeriesLastJd;
    if (daysOutside < kPlutoJoinDays) return JoinTableToLongSeries(jd, daysOutside, *tabulated);
    return *tabulated;
  }
  return PlutoShortSeries(jd);
}

EclipticPosition PlutoPosition(double jd) { return PlutoPosition(jd, SunPosition(jd)); }

EclipticPosition PlutoPosition(double jd, const EclipticPosition& sun) {
  return GeocentricPosition(sun, PlutoHeliocentric(jd));
}

}  // namespace caelix

#pragma once
// The trigonometry of the theories, in radians. The chart uses the polynomials below; the
// reference build of the computation (CAELIX_REFERENCE_ENGINE, the tests' oracle) uses the C
// library's functions instead, so that both evaluate the same formulae.
//
// Error bounds of the polynomials (argument taken as exact):
// - SinRad, CosRad: the argument is reduced by the nearest multiple k of pi/2 with pi/2 in three
//   parts (33 + 33 + 53 bits), the products with k exact for |k| < 2^20; the two roundings of the
//   subtractions leave the reduced argument within 1.2e-16 (absolute) of x - k pi/2. On
//   [-pi/4, pi/4] the minimax polynomials of degree 13 (sine) and 14 (cosine) differ from the
//   functions by less than 2^-58 relative (Remez' bound of the coefficients, Sun's fdlibm
//   kernels); with the rounding of Horner's scheme the result is within 1 ulp + 1.2e-16, and
//   within 1 ulp for |x| <= pi/4 (no reduction). Beyond |x| = 1.6e6 (2^20 pi/2) the C library
//   is called.
// - AtanRad: the argument is moved by one of atan(0.5), atan(1), atan(1.5), pi/2 (each in two
//   parts) into |t| < 7/16, where an odd polynomial of degree 23 is within 2^-57 relative
//   (fdlibm's atan); the result is within 1 ulp.
// Both are written without branches on the quadrant or the interval.
// These bounds are far below 1e-15 degrees of any argument the theories form, so the chart
// stays within 1e-9 degrees of the reference build (the oracle tests check it).
#include <bit>
#include <cmath>
#include <cstdint>

namespace caelix {

struct SinCosValue {
  double sin;
  double cos;
};

namespace trig_detail {

// The coefficients of the sine and cosine kernels (fdlibm's).
constexpr double kSinS1 = -1.66666666666666324348e-01, kSinS2 = 8.33333333332248946124e-03,
                 kSinS3 = -1.98412698298579493134e-04, kSinS4 = 2.75573137070700676789e-06,
                 kSinS5 = -2.50507602534068634195e-08, kSinS6 = 1.58969099521155010221e-10;
constexpr double kCosC1 = 4.16666666666666019037e-02, kCosC2 = -1.38888888888741095749e-03,
                 kCosC3 = 2.48015872894767294178e-05, kCosC4 = -2.75573143513906633035e-07,
                 kCosC5 = 2.08757232129817482790e-09, kCosC6 = -1.13596475577881948265e-11;

}  // namespace trig_detail

#ifdef CAELIX_REFERENCE_ENGINE

inline double SinRad(double x) { return std::sin(x); }
inline double CosRad(double x) { return std::cos(x); }
inline SinCosValue SinCosRad(double x) { return {std::sin(x), std::cos(x)}; }
inline double AtanRad(double t) { return std::atan(t); }

#else

namespace trig_detail {

// sin(r) for |r| <= pi/4.
inline double SinKernel(double r) {
  constexpr double S1 = kSinS1, S2 = kSinS2, S3 = kSinS3, S4 = kSinS4, S5 = kSinS5, S6 = kSinS6;
  const double z = r * r;
  const double p = S2 + z * (S3 + z * (S4 + z * (S5 + z * S6)));
  return r + r * z * (S1 + z * p);
}

// cos(r) for |r| <= pi/4.
inline double CosKernel(double r) {
  constexpr double C1 = kCosC1, C2 = kCosC2, C3 = kCosC3, C4 = kCosC4, C5 = kCosC5, C6 = kCosC6;
  const double z = r * r;
  const double p = z * z * (C1 + z * (C2 + z * (C3 + z * (C4 + z * (C5 + z * C6)))));
  const double hz = 0.5 * z;
  const double w = 1.0 - hz;
  return w + (((1.0 - w) - hz) + p);
}

// The largest |x| reduced here: 2^20 pi/2, so that k * kPio2Part1 is exact.
constexpr double kMaxReduced = 1.6e6;

// x = k pi/2 + r with |r| <= pi/4 (a little more by rounding); returns r and k mod 4.
struct Reduced {
  double r;
  unsigned quadrant;
};

inline Reduced Reduce(double x) {
  constexpr double kTwoOverPi = 6.36619772367581382433e-01;
  constexpr double kPio2Part1 = 1.57079632673412561417e+00;  // first 33 bits of pi/2
  constexpr double kPio2Part2 = 6.07710050630396597660e-11;  // next 33 bits
  constexpr double kPio2Part3 = 2.02226624879595063154e-21;  // the rest
  constexpr double kRoundingShift = 6755399441055744.0;      // 1.5 * 2^52: adding it rounds to an integer
  const double k = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
  const double r = ((x - k * kPio2Part1) - k * kPio2Part2) - k * kPio2Part3;
  return {r, static_cast<unsigned>(static_cast<std::int64_t>(k)) & 3u};
}

// Returns a when pick is false, b when it is true, without a branch (the quadrants and the
// intervals below follow no pattern a branch predictor could learn).
inline double Select(bool pick, double a, double b) {
  const std::uint64_t x = std::bit_cast<std::uint64_t>(a);
  const std::uint64_t y = std::bit_cast<std::uint64_t>(b);
  return std::bit_cast<double>(x ^ ((x ^ y) & (0 - static_cast<std::uint64_t>(pick))));
}

// Returns -v when flip is true, else v, without a branch.
inline double FlipSign(bool flip, double v) {
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(v) ^ (static_cast<std::uint64_t>(flip) << 63));
}

}  // namespace trig_detail

// Returns sin x and cos x, x in radians.
inline SinCosValue SinCosRad(double x) {
  using namespace trig_detail;
  if (!(std::fabs(x) <= kMaxReduced)) return {std::sin(x), std::cos(x)};
  const Reduced q = Reduce(x);
  const double s = SinKernel(q.r);
  const double c = CosKernel(q.r);
  const bool odd = (q.quadrant & 1u) != 0;
  return {FlipSign((q.quadrant & 2u) != 0, Select(odd, s, c)),
          FlipSign(((q.quadrant + 1u) & 2u) != 0, Select(odd, c, s))};
}

// Returns sin x, x in radians.
inline double SinRad(double x) { return SinCosRad(x).sin; }

// Returns cos x, x in radians.
inline double CosRad(double x) { return SinCosRad(x).cos; }

// Returns atan t in radians, (-pi/2, pi/2); NaN stays NaN.
inline double AtanRad(double t) {
  using namespace trig_detail;
  // Interval i of |t| (boundaries 7/16, 11/16, 19/16, 39/16): x = (P |t| - Q) / (R + S |t|) moves
  // it near 0, where atan |t| = high + atan x; the first interval stays as it is.
  constexpr double kP[] = {1.0, 2.0, 1.0, 1.0, 0.0};
  constexpr double kQ[] = {0.0, 1.0, 1.0, 1.5, 1.0};
  constexpr double kR[] = {1.0, 2.0, 1.0, 1.0, 0.0};
  constexpr double kS[] = {0.0, 1.0, 1.0, 1.5, 1.0};
  constexpr double kHigh[] = {0.0, 4.63647609000806093515e-01, 7.85398163397448278999e-01, 9.82793723247329054082e-01,
                              1.57079632679489655800e+00};
  constexpr double kLow[] = {0.0, 2.26987774529616870924e-17, 3.06161699786838301793e-17, 1.39033110312309984516e-17,
                             6.12323399573676603587e-17};
  constexpr double A0 = 3.33333333333329318027e-01, A1 = -1.99999999998764832476e-01, A2 = 1.42857142725034663711e-01,
                   A3 = -1.11111104054623557880e-01, A4 = 9.09088713343650656196e-02, A5 = -7.69187620504482999495e-02,
                   A6 = 6.66107313738753120669e-02, A7 = -5.83357013379057348645e-02, A8 = 4.97687799461593236017e-02,
                   A9 = -3.65315727442169155270e-02, A10 = 1.62858201153657823623e-02;
  const double a = std::fabs(t);
  if (!(a < 1e19)) return std::atan(t);  // huge, infinite or NaN
  if (a < 1e-9) return t;                // atan t = t - t^3/3 rounds to t
  const int i = (a >= 0.4375) + (a >= 0.6875) + (a >= 1.1875) + (a >= 2.4375);
  const double x = (kP[i] * a - kQ[i]) / (kR[i] + kS[i] * a);
  const double z = x * x;
  const double w = z * z;
  const double s1 = z * (A0 + w * (A2 + w * (A4 + w * (A6 + w * (A8 + w * A10)))));
  const double s2 = w * (A1 + w * (A3 + w * (A5 + w * (A7 + w * A9))));
  return FlipSign(t < 0.0, kHigh[i] - ((x * (s1 + s2) - kLow[i]) - x));
}

#endif

}  // namespace caelix

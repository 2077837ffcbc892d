#pragma once
// Sums of trigonometric series terms, two at a time with SLEEF's vector sine and cosine (3.5 ulp)
// where SSE2 is at hand, one at a time with the C library elsewhere.
#include <cmath>
#if defined(__SSE2__)
#include <sleef.h>
#endif

namespace caelix {

// The sum of A cos(x) and of -A f sin(x) over the terms, where x = phase + f t: each term gives
// amplitude(k), phase(k) and frequency(k).
struct CosineSums {
  double value;
  double rate;  // the derivative in t
};

template <typename Amplitude, typename Argument, typename Frequency>
CosineSums SumCosines(int count, Amplitude amplitude, Argument argument, Frequency frequency) {
  double value = 0.0;
  double rate = 0.0;
  int k = 0;
#if defined(__SSE2__)
  __m128d v = _mm_setzero_pd();
  __m128d r = _mm_setzero_pd();
  for (; k + 1 < count; k += 2) {
    const __m128d a = _mm_set_pd(amplitude(k + 1), amplitude(k));
    const __m128d f = _mm_set_pd(frequency(k + 1), frequency(k));
    const Sleef___m128d_2 sc = Sleef_sincosd2_u35(_mm_set_pd(argument(k + 1), argument(k)));
    v = _mm_add_pd(v, _mm_mul_pd(a, sc.y));
    r = _mm_sub_pd(r, _mm_mul_pd(_mm_mul_pd(a, f), sc.x));
  }
  double lanes[2];
  _mm_storeu_pd(lanes, v);
  value = lanes[0] + lanes[1];
  _mm_storeu_pd(lanes, r);
  rate = lanes[0] + lanes[1];
#endif
  for (; k < count; ++k) {
    const double x = argument(k);
    value += amplitude(k) * std::cos(x);
    rate -= amplitude(k) * frequency(k) * std::sin(x);
  }
  return {value, rate};
}

// The sum of amplitude(k) sin(argument(k)) over the terms.
template <typename Amplitude, typename Argument>
double SumSines(int count, Amplitude amplitude, Argument argument) {
  double value = 0.0;
  int k = 0;
#if defined(__SSE2__)
  __m128d v = _mm_setzero_pd();
  for (; k + 1 < count; k += 2) {
    const __m128d a = _mm_set_pd(amplitude(k + 1), amplitude(k));
    v = _mm_add_pd(v, _mm_mul_pd(a, Sleef_sind2_u35(_mm_set_pd(argument(k + 1), argument(k)))));
  }
  double lanes[2];
  _mm_storeu_pd(lanes, v);
  value = lanes[0] + lanes[1];
#endif
  for (; k < count; ++k) value += amplitude(k) * std::sin(argument(k));
  return value;
}

}  // namespace caelix

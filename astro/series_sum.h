#pragma once
// Sums of trigonometric series terms at two instants one step apart, with one sine and cosine
// per term: the second instant by the angle-addition formulae with the term's turn over the step.
// Four terms at a time where the processor has AVX2 (SinCosAvx2 below: the chart's own polynomial
// sine and cosine, inline, four lanes), two at a time with SLEEF's vector sine and cosine (3.5
// ulp) where it has SSE2 only, one at a time with the C library elsewhere.
#include <cmath>

#include "astro/trig_lanes.h"
#if defined(__SSE2__)
#include <immintrin.h>
#include <sleef.h>
#endif

namespace caelix {

#if defined(__SSE2__)
// The same reduction by whole turns for two lanes.
inline __m128d ReduceTurns(__m128d x) {
  const __m128d magic = _mm_set1_pd(6755399441055744.0);
  const __m128d turns = _mm_sub_pd(_mm_add_pd(_mm_mul_pd(x, _mm_set1_pd(0.15915494309189535)), magic), magic);
  return _mm_sub_pd(x, _mm_mul_pd(turns, _mm_set1_pd(6.283185307179586)));
}
#endif

#if defined(CAELIX_TRIG_LANES_AVX2)
#define CAELIX_SERIES_AVX2 1
// The angles moved into about [-pi, pi] by whole turns, so that the sine and cosine take their
// short path; the turn count is rounded by adding and subtracting 1.5 2^52, and the reduction
// loses at most a few 1e-12 radians for the arguments of the series (below 1e6 radians).
__attribute__((target("avx2"))) inline __m256d ReduceTurns(__m256d x) {
  const __m256d magic = _mm256_set1_pd(6755399441055744.0);
  const __m256d turns =
      _mm256_sub_pd(_mm256_add_pd(_mm256_mul_pd(x, _mm256_set1_pd(0.15915494309189535)), magic), magic);
  return _mm256_sub_pd(x, _mm256_mul_pd(turns, _mm256_set1_pd(6.283185307179586)));
}

// The sum of the four lanes.
__attribute__((target("avx2"))) inline double SumLanes(__m256d v) {
  double lanes[4];
  _mm256_storeu_pd(lanes, v);
  return (lanes[0] + lanes[1]) + (lanes[2] + lanes[3]);
}
#endif

// Sums of A cos(x) and of -A f sin(x) (the derivative in time) at both instants.
struct CosinePairSums {
  double value;
  double rate;
  double valueAfter;
  double rateAfter;
};

// term(k) gives the amplitude A, the argument x at the first instant, the frequency f and the
// cosine and sine of the term's turn over the step.
struct CosineTerm {
  double amplitude, argument, frequency, cosStep, sinStep;
};

#if defined(CAELIX_SERIES_AVX2)
struct CosineLanes {
  __m256d v, r, v1, r1;
};

// Adds four terms to the lanes.
__attribute__((target("avx2"))) inline void AddCosineTerms(const CosineTerm& a, const CosineTerm& b,
                                                           const CosineTerm& c, const CosineTerm& d, CosineLanes& s) {
  const Double4Pair sc = SinCosAvx2(ReduceTurns(_mm256_set_pd(d.argument, c.argument, b.argument, a.argument)));
  const __m256d amp = _mm256_set_pd(d.amplitude, c.amplitude, b.amplitude, a.amplitude);
  const __m256d af = _mm256_mul_pd(amp, _mm256_set_pd(d.frequency, c.frequency, b.frequency, a.frequency));
  const __m256d cs = _mm256_set_pd(d.cosStep, c.cosStep, b.cosStep, a.cosStep);
  const __m256d ss = _mm256_set_pd(d.sinStep, c.sinStep, b.sinStep, a.sinStep);
  const __m256d cos1 = _mm256_sub_pd(_mm256_mul_pd(sc.y, cs), _mm256_mul_pd(sc.x, ss));
  const __m256d sin1 = _mm256_add_pd(_mm256_mul_pd(sc.x, cs), _mm256_mul_pd(sc.y, ss));
  s.v = _mm256_add_pd(s.v, _mm256_mul_pd(amp, sc.y));
  s.r = _mm256_sub_pd(s.r, _mm256_mul_pd(af, sc.x));
  s.v1 = _mm256_add_pd(s.v1, _mm256_mul_pd(amp, cos1));
  s.r1 = _mm256_sub_pd(s.r1, _mm256_mul_pd(af, sin1));
}

// Every term, four at a time, the last one to three beside terms of amplitude 0; returns count.
template <typename Term>
__attribute__((target("avx2"))) int SumCosinePairsAvx2(int count, Term term, CosinePairSums& out) {
  CosineLanes s{_mm256_setzero_pd(), _mm256_setzero_pd(), _mm256_setzero_pd(), _mm256_setzero_pd()};
  int k = 0;
  for (; k + 3 < count; k += 4) AddCosineTerms(term(k), term(k + 1), term(k + 2), term(k + 3), s);
  if (k < count) {
    constexpr CosineTerm kNone{0.0, 0.0, 0.0, 1.0, 0.0};
    AddCosineTerms(term(k), k + 1 < count ? term(k + 1) : kNone, k + 2 < count ? term(k + 2) : kNone, kNone, s);
  }
  out = CosinePairSums{SumLanes(s.v), SumLanes(s.r), SumLanes(s.v1), SumLanes(s.r1)};
  return count;
}
#endif

template <typename Term>
CosinePairSums SumCosinePairs(int count, Term term) {
  CosinePairSums out{0.0, 0.0, 0.0, 0.0};
  int k = 0;
#if defined(CAELIX_SERIES_AVX2)
  if (HasAvx2()) k = SumCosinePairsAvx2(count, term, out);
#endif
#if defined(__SSE2__)
  __m128d v = _mm_setzero_pd(), r = _mm_setzero_pd(), v1 = _mm_setzero_pd(), r1 = _mm_setzero_pd();
  for (; k + 1 < count; k += 2) {
    const CosineTerm a = term(k), b = term(k + 1);
    const Sleef___m128d_2 sc = Sleef_sincosd2_u35(ReduceTurns(_mm_set_pd(b.argument, a.argument)));
    const __m128d amp = _mm_set_pd(b.amplitude, a.amplitude);
    const __m128d af = _mm_mul_pd(amp, _mm_set_pd(b.frequency, a.frequency));
    const __m128d cs = _mm_set_pd(b.cosStep, a.cosStep), ss = _mm_set_pd(b.sinStep, a.sinStep);
    const __m128d cos1 = _mm_sub_pd(_mm_mul_pd(sc.y, cs), _mm_mul_pd(sc.x, ss));
    const __m128d sin1 = _mm_add_pd(_mm_mul_pd(sc.x, cs), _mm_mul_pd(sc.y, ss));
    v = _mm_add_pd(v, _mm_mul_pd(amp, sc.y));
    r = _mm_sub_pd(r, _mm_mul_pd(af, sc.x));
    v1 = _mm_add_pd(v1, _mm_mul_pd(amp, cos1));
    r1 = _mm_sub_pd(r1, _mm_mul_pd(af, sin1));
  }
  double lanes[2];
  _mm_storeu_pd(lanes, v);
  out.value += lanes[0] + lanes[1];
  _mm_storeu_pd(lanes, r);
  out.rate += lanes[0] + lanes[1];
  _mm_storeu_pd(lanes, v1);
  out.valueAfter += lanes[0] + lanes[1];
  _mm_storeu_pd(lanes, r1);
  out.rateAfter += lanes[0] + lanes[1];
#endif
  for (; k < count; ++k) {
    const CosineTerm t = term(k);
    const double s = std::sin(t.argument), c = std::cos(t.argument);
    const double c1 = c * t.cosStep - s * t.sinStep, s1 = s * t.cosStep + c * t.sinStep;
    out.value += t.amplitude * c;
    out.rate -= t.amplitude * t.frequency * s;
    out.valueAfter += t.amplitude * c1;
    out.rateAfter -= t.amplitude * t.frequency * s1;
  }
  return out;
}

// Sums of A sin(x) at both instants.
struct SinePairSums {
  double value;
  double valueAfter;
};

// term(k) gives the amplitude A, the argument x at the first instant, the cosine and sine of the
// term's linear turn over the step, and the small rest of the turn (radians), taken to first order.
struct SineTerm {
  double amplitude, argument, cosStep, sinStep, stepRest;
};

#if defined(CAELIX_SERIES_AVX2)
// Adds four terms to the lanes v (the first instant) and v1 (the second).
__attribute__((target("avx2"))) inline void AddSineTerms(const SineTerm& a, const SineTerm& b, const SineTerm& c,
                                                         const SineTerm& d, __m256d& v, __m256d& v1) {
  const Double4Pair sc = SinCosAvx2(ReduceTurns(_mm256_set_pd(d.argument, c.argument, b.argument, a.argument)));
  const __m256d amp = _mm256_set_pd(d.amplitude, c.amplitude, b.amplitude, a.amplitude);
  const __m256d cs = _mm256_set_pd(d.cosStep, c.cosStep, b.cosStep, a.cosStep);
  const __m256d ss = _mm256_set_pd(d.sinStep, c.sinStep, b.sinStep, a.sinStep);
  const __m256d cos1 = _mm256_sub_pd(_mm256_mul_pd(sc.y, cs), _mm256_mul_pd(sc.x, ss));
  const __m256d sin1 = _mm256_add_pd(_mm256_mul_pd(sc.x, cs), _mm256_mul_pd(sc.y, ss));
  const __m256d rest = _mm256_set_pd(d.stepRest, c.stepRest, b.stepRest, a.stepRest);
  v = _mm256_add_pd(v, _mm256_mul_pd(amp, sc.x));
  v1 = _mm256_add_pd(v1, _mm256_mul_pd(amp, _mm256_add_pd(sin1, _mm256_mul_pd(rest, cos1))));
}

// Every term, four at a time, the last one to three beside terms of amplitude 0; returns count.
template <typename Term>
__attribute__((target("avx2"))) int SumSinePairsAvx2(int count, Term term, SinePairSums& out) {
  __m256d v = _mm256_setzero_pd(), v1 = _mm256_setzero_pd();
  int k = 0;
  for (; k + 3 < count; k += 4) AddSineTerms(term(k), term(k + 1), term(k + 2), term(k + 3), v, v1);
  if (k < count) {
    constexpr SineTerm kNone{0.0, 0.0, 1.0, 0.0, 0.0};
    AddSineTerms(term(k), k + 1 < count ? term(k + 1) : kNone, k + 2 < count ? term(k + 2) : kNone, kNone, v, v1);
  }
  out = SinePairSums{SumLanes(v), SumLanes(v1)};
  return count;
}
#endif

template <typename Term>
SinePairSums SumSinePairs(int count, Term term) {
  SinePairSums out{0.0, 0.0};
  int k = 0;
#if defined(CAELIX_SERIES_AVX2)
  if (HasAvx2()) k = SumSinePairsAvx2(count, term, out);
#endif
#if defined(__SSE2__)
  __m128d v = _mm_setzero_pd(), v1 = _mm_setzero_pd();
  for (; k + 1 < count; k += 2) {
    const SineTerm a = term(k), b = term(k + 1);
    const Sleef___m128d_2 sc = Sleef_sincosd2_u35(ReduceTurns(_mm_set_pd(b.argument, a.argument)));
    const __m128d amp = _mm_set_pd(b.amplitude, a.amplitude);
    const __m128d cs = _mm_set_pd(b.cosStep, a.cosStep), ss = _mm_set_pd(b.sinStep, a.sinStep);
    const __m128d cos1 = _mm_sub_pd(_mm_mul_pd(sc.y, cs), _mm_mul_pd(sc.x, ss));
    const __m128d sin1 = _mm_add_pd(_mm_mul_pd(sc.x, cs), _mm_mul_pd(sc.y, ss));
    const __m128d rest = _mm_set_pd(b.stepRest, a.stepRest);
    v = _mm_add_pd(v, _mm_mul_pd(amp, sc.x));
    v1 = _mm_add_pd(v1, _mm_mul_pd(amp, _mm_add_pd(sin1, _mm_mul_pd(rest, cos1))));
  }
  double lanes[2];
  _mm_storeu_pd(lanes, v);
  out.value += lanes[0] + lanes[1];
  _mm_storeu_pd(lanes, v1);
  out.valueAfter += lanes[0] + lanes[1];
#endif
  for (; k < count; ++k) {
    const SineTerm t = term(k);
    const double s = std::sin(t.argument), c = std::cos(t.argument);
    const double c1 = c * t.cosStep - s * t.sinStep, s1 = s * t.cosStep + c * t.sinStep;
    out.value += t.amplitude * s;
    out.valueAfter += t.amplitude * (s1 + t.stepRest * c1);
  }
  return out;
}

}  // namespace caelix

#pragma once
// The chart's sine and cosine (astro/trig.h) four at a time in the lanes of an AVX2 register, for
// the series whose terms need one each: every lane is SinCosRad's value bit for bit, so a sum
// taken in the same order is the same sum. Where the processor lacks AVX2, or in the tests'
// reference build (the C library's functions), one at a time with SinCosRad itself.
#include <cmath>
#include <cstddef>

#include "astro/trig.h"
#if defined(__x86_64__) && defined(__SSE2__) && !defined(CAELIX_REFERENCE_ENGINE)
#include <immintrin.h>
#define CAELIX_TRIG_LANES_AVX2 1
#endif

namespace caelix {

#if defined(CAELIX_TRIG_LANES_AVX2)
// Four lanes of sines (x) and cosines (y).
struct Double4Pair {
  __m256d x, y;
};

// True when the processor has AVX2 (asked once).
inline bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

// sin x and cos x of four lanes, |x| <= kMaxReduced (1.6e6) radians: SinCosRad's reduction by the nearest multiple of
// pi/2 and its polynomial kernels (astro/trig.h), the same operations in the same order, so each lane is SinCosRad's
// value bit for bit: within 1 ulp + 1.2e-16 (SLEEF's sincos is within 3.5 ulp). The quadrant comes from the low bits of
// the shifted multiple, the swap and the signs without a branch.
__attribute__((target("avx2"))) inline Double4Pair SinCosAvx2(__m256d x) {
  using namespace trig_detail;
  const __m256d shift = _mm256_set1_pd(6755399441055744.0);  // 1.5 * 2^52
  const __m256d shifted = _mm256_add_pd(_mm256_mul_pd(x, _mm256_set1_pd(6.36619772367581382433e-01)), shift);
  const __m256d k = _mm256_sub_pd(shifted, shift);
  const __m256d r =
      _mm256_sub_pd(_mm256_sub_pd(_mm256_sub_pd(x, _mm256_mul_pd(k, _mm256_set1_pd(1.57079632673412561417e+00))),
                                  _mm256_mul_pd(k, _mm256_set1_pd(6.07710050630396597660e-11))),
                    _mm256_mul_pd(k, _mm256_set1_pd(2.02226624879595063154e-21)));
  const __m256d z = _mm256_mul_pd(r, r);
  // SinKernel: r + r z (S1 + z (S2 + z (S3 + z (S4 + z (S5 + z S6)))))
  __m256d sp = _mm256_add_pd(_mm256_set1_pd(kSinS5), _mm256_mul_pd(z, _mm256_set1_pd(kSinS6)));
  sp = _mm256_add_pd(_mm256_set1_pd(kSinS4), _mm256_mul_pd(z, sp));
  sp = _mm256_add_pd(_mm256_set1_pd(kSinS3), _mm256_mul_pd(z, sp));
  sp = _mm256_add_pd(_mm256_set1_pd(kSinS2), _mm256_mul_pd(z, sp));
  sp = _mm256_add_pd(_mm256_set1_pd(kSinS1), _mm256_mul_pd(z, sp));
  const __m256d s = _mm256_add_pd(r, _mm256_mul_pd(_mm256_mul_pd(r, z), sp));
  // CosKernel: w + (((1 - w) - z/2) + z^2 (C1 + z (C2 + ... + z C6))), w = 1 - z/2
  __m256d cp = _mm256_add_pd(_mm256_set1_pd(kCosC5), _mm256_mul_pd(z, _mm256_set1_pd(kCosC6)));
  cp = _mm256_add_pd(_mm256_set1_pd(kCosC4), _mm256_mul_pd(z, cp));
  cp = _mm256_add_pd(_mm256_set1_pd(kCosC3), _mm256_mul_pd(z, cp));
  cp = _mm256_add_pd(_mm256_set1_pd(kCosC2), _mm256_mul_pd(z, cp));
  cp = _mm256_add_pd(_mm256_set1_pd(kCosC1), _mm256_mul_pd(z, cp));
  cp = _mm256_mul_pd(_mm256_mul_pd(z, z), cp);
  const __m256d one = _mm256_set1_pd(1.0);
  const __m256d hz = _mm256_mul_pd(_mm256_set1_pd(0.5), z);
  const __m256d w = _mm256_sub_pd(one, hz);
  const __m256d co = _mm256_add_pd(w, _mm256_add_pd(_mm256_sub_pd(_mm256_sub_pd(one, w), hz), cp));
  // Quadrant q = k mod 4: the low bits of the shifted value. Odd q swaps sine and cosine; bit 1
  // of q flips the sine, bit 1 of q + 1 the cosine.
  const __m256i q = _mm256_castpd_si256(shifted);
  const __m256d odd = _mm256_castsi256_pd(_mm256_slli_epi64(q, 63));
  const __m256i sign = _mm256_set1_epi64x(static_cast<long long>(0x8000000000000000ULL));
  const __m256d sinFlip = _mm256_castsi256_pd(_mm256_and_si256(_mm256_slli_epi64(q, 62), sign));
  const __m256d cosFlip =
      _mm256_castsi256_pd(_mm256_and_si256(_mm256_slli_epi64(_mm256_add_epi64(q, _mm256_set1_epi64x(1)), 62), sign));
  return {_mm256_xor_pd(_mm256_blendv_pd(s, co, odd), sinFlip), _mm256_xor_pd(_mm256_blendv_pd(co, s, odd), cosFlip)};
}

// SinCosMany's four-lane part: the first n / 4 * 4 values, a group of four whose arguments all
// lie within kMaxReduced at once, the others one at a time; returns how many it filled.
__attribute__((target("avx2"))) inline std::size_t SinCosManyAvx2(const double* x, double* sines, double* cosines,
                                                                  std::size_t n) {
  std::size_t i = 0;
  const __m256d limit = _mm256_set1_pd(trig_detail::kMaxReduced);
  const __m256d absMask = _mm256_castsi256_pd(_mm256_set1_epi64x(0x7FFFFFFFFFFFFFFFLL));
  for (; i + 4 <= n; i += 4) {
    const __m256d v = _mm256_loadu_pd(x + i);
    // Not (|x| <= limit) in any lane, NaN included: that group by SinCosRad's own guard.
    if (_mm256_movemask_pd(_mm256_cmp_pd(_mm256_and_pd(v, absMask), limit, _CMP_NLE_UQ)) != 0) {
      for (std::size_t j = i; j < i + 4; ++j) {
        const SinCosValue sc = SinCosRad(x[j]);
        sines[j] = sc.sin;
        cosines[j] = sc.cos;
      }
      continue;
    }
    const Double4Pair sc = SinCosAvx2(v);
    _mm256_storeu_pd(sines + i, sc.x);
    _mm256_storeu_pd(cosines + i, sc.y);
  }
  return i;
}
#endif

// Fills sines[i] and cosines[i] with SinCosRad(x[i]) for i < n, bit for bit.
inline void SinCosMany(const double* x, double* sines, double* cosines, std::size_t n) {
  std::size_t i = 0;
#if defined(CAELIX_TRIG_LANES_AVX2)
  if (HasAvx2()) i = SinCosManyAvx2(x, sines, cosines, n);
#endif
  for (; i < n; ++i) {
    const SinCosValue sc = SinCosRad(x[i]);
    sines[i] = sc.sin;
    cosines[i] = sc.cos;
  }
}

}  // namespace caelix

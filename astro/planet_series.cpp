#include "astro/planet_series.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/trig_lanes.h"

namespace caelix {

double SumCosineTerms(std::span<const CosineTerm> terms, const std::array<double, 4>& anglesDeg) {
  const double rad = DegToRad();
  // The cosines a group at a time (the sum in the terms' order, as one at a time).
  constexpr std::size_t kGroup = 32;
  double args[kGroup], sines[kGroup], cosines[kGroup];
  double sum = 0.0;
  for (std::size_t first = 0; first < terms.size(); first += kGroup) {
    const std::size_t n = std::min(kGroup, terms.size() - first);
    for (std::size_t i = 0; i < n; ++i) {
      const CosineTerm& t = terms[first + i];
      double argument = t.phaseDeg;
      for (std::size_t k = 0; k < anglesDeg.size(); ++k) argument += t.multiples[k] * anglesDeg[k];
      args[i] = argument * rad;
    }
    SinCosMany(args, sines, cosines, n);
    for (std::size_t i = 0; i < n; ++i) sum += terms[first + i].amplitude * cosines[i];
  }
  return sum;
}

TrigCache::TrigCache(std::span<const double> anglesDeg) {  // NOLINT(cppcoreguidelines-pro-type-member-init)
  constexpr std::size_t kHighest = kMaxAngleMultiple;
  constexpr std::size_t kPerAngle = (kHighest + 1) * 2;
  const std::size_t count = std::max(std::size_t{1}, std::min(anglesDeg.size(), std::size_t{kMaxAuxiliaryAngles}));
  for (std::size_t a = 0; a < count; ++a) {
    double* v = values_ + a * kPerAngle;  // v[2k] = sin kx, v[2k + 1] = cos kx
    v[0] = v[1] = 1.0;                    // the factor of multiple 0
    if (a >= anglesDeg.size()) break;
#ifdef CAELIX_REFERENCE_ENGINE
    for (std::size_t k = 1; k <= kHighest; ++k) {
      const double argument = static_cast<double>(k) * anglesDeg[a] * DegToRad();
      v[2 * k] = SinRad(argument);
      v[2 * k + 1] = CosRad(argument);
    }
#else
    const SinCosValue once = SinCosRad(anglesDeg[a] * DegToRad());
    v[2] = once.sin;
    v[3] = once.cos;
    for (std::size_t k = 2; k <= kHighest; ++k) {  // (k - 1) x + x
      v[2 * k] = v[2 * k - 2] * once.cos + v[2 * k - 1] * once.sin;
      v[2 * k + 1] = v[2 * k - 1] * once.cos - v[2 * k - 2] * once.sin;
    }
#endif
  }
}

double SumProductTerms(std::span<const ProductTerm> terms, const TrigCache& cache, double nu) {
  double sum = 0.0;
  for (const ProductTerm& t : terms) {
    const double coefficient = t.constant + t.perNu * nu + t.perNu2 * nu * nu;
    sum += coefficient * cache.Factor(t.argument.first) * cache.Factor(t.argument.second);
  }
  return sum;
}

}  // namespace caelix

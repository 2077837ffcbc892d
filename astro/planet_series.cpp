#include "astro/planet_series.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/trig.h"

namespace caelix {

double SumCosineTerms(std::span<const CosineTerm> terms, const std::array<double, 4>& anglesDeg) {
  const double rad = DegToRad();
  double sum = 0.0;
  for (const CosineTerm& t : terms) {
    double argument = t.phaseDeg;
    for (std::size_t k = 0; k < anglesDeg.size(); ++k) argument += t.multiples[k] * anglesDeg[k];
    sum += t.amplitude * CosRad(argument * rad);
  }
  return sum;
}

TrigCache::TrigCache(std::span<const double> anglesDeg) {
  for (std::size_t k = 0; k < anglesDeg.size() && k < anglesDeg_.size(); ++k) anglesDeg_[k] = anglesDeg[k];
}

double TrigCache::Factor(const TrigFactor& f) {
  if (f.multiple == 0) return 1.0;
  const int kind = f.isCosine ? 1 : 0;
#ifdef CAELIX_REFERENCE_ENGINE
  if (!known_[f.angle][f.multiple][kind]) {
    const double argument = f.multiple * anglesDeg_[f.angle] * DegToRad();
    values_[f.angle][f.multiple][kind] = f.isCosine ? CosRad(argument) : SinRad(argument);
    known_[f.angle][f.multiple][kind] = true;
    ++evaluations_;
  }
#else
  int& highest = highest_[f.angle];
  if (highest < f.multiple) {
    double(&v)[kMaxAngleMultiple + 1][2] = values_[f.angle];
    if (highest == 0) {
      const SinCosValue once = SinCosRad(anglesDeg_[f.angle] * DegToRad());
      v[1][0] = once.sin;
      v[1][1] = once.cos;
      highest = 1;
      ++evaluations_;
    }
    // sin and cos of (k - 1) x + x.
    for (int k = highest + 1; k <= f.multiple; ++k) {
      v[k][0] = v[k - 1][0] * v[1][1] + v[k - 1][1] * v[1][0];
      v[k][1] = v[k - 1][1] * v[1][1] - v[k - 1][0] * v[1][0];
    }
    highest = f.multiple;
  }
#endif
  return values_[f.angle][f.multiple][kind];
}

double SumProductTerms(std::span<const ProductTerm> terms, TrigCache& cache, double nu) {
  double sum = 0.0;
  for (const ProductTerm& t : terms) {
    const double coefficient = t.constant + t.perNu * nu + t.perNu2 * nu * nu;
    sum += coefficient * cache.Factor(t.argument.first) * cache.Factor(t.argument.second);
  }
  return sum;
}

}  // namespace caelix

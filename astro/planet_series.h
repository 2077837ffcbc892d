#pragma once
// Perturbation series of the planet theories as data: rows of coefficients and integer multiples
// of a theory's auxiliary angles, evaluated by one loop, every distinct sine and cosine of one
// evaluation computed once.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

namespace caelix {

// --- Terms with a phase: amplitude * cos(k0 a0 + k1 a1 + k2 a2 + k3 a3 + phase) -------------

// A periodic term of the inner planets: the cosine of an integer combination of up to four mean
// anomalies plus a phase constant. The order of the four angles is fixed by the theory using it.
struct CosineTerm {
  double amplitude;
  std::array<int, 4> multiples;
  double phaseDeg;
};

// Returns the sum of amplitude * cos(multiples . anglesDeg + phaseDeg) over terms, in the units
// of the amplitudes. Angles in degrees, not reduced.
double SumCosineTerms(std::span<const CosineTerm> terms, const std::array<double, 4>& anglesDeg);

// --- Products of sines and cosines of multiples of auxiliary angles --------------------------

// The index of an auxiliary angle in the list of angles one theory evaluates.
struct AngleId {
  int index;
};

struct AngleMultiple {
  int multiple;
  AngleId angle;
};

constexpr AngleMultiple operator*(int multiple, AngleId angle) { return {multiple, angle}; }

// The largest angle count and multiple a TrigCache holds.
constexpr int kMaxAuxiliaryAngles = 10;
constexpr int kMaxAngleMultiple = 5;

// sin or cos of multiple * angle; a multiple of 0 stands for the factor 1.
struct TrigFactor {
  bool isCosine = false;
  int multiple = 0;
  int angle = 0;
  int slot = 0;  // where a TrigCache keeps its value: ((angle * (kMaxAngleMultiple + 1)) + multiple) * 2 + isCosine

  constexpr TrigFactor() = default;
  constexpr TrigFactor(bool cosine, int m, int a)
      : isCosine(cosine), multiple(m), angle(a), slot((a * (kMaxAngleMultiple + 1) + m) * 2 + (cosine ? 1 : 0)) {}
};

constexpr TrigFactor Sin(AngleMultiple m) { return {false, m.multiple, m.angle.index}; }
constexpr TrigFactor Cos(AngleMultiple m) { return {true, m.multiple, m.angle.index}; }
constexpr TrigFactor Sin(AngleId a) { return Sin(1 * a); }
constexpr TrigFactor Cos(AngleId a) { return Cos(1 * a); }

// The argument of a term: a product of at most two factors; the empty argument is 1.
struct TrigProduct {
  TrigFactor first;
  TrigFactor second;
  constexpr TrigProduct() = default;
  constexpr TrigProduct(TrigFactor f) : first(f) {}  // NOLINT: a single factor is a product
  constexpr TrigProduct(TrigFactor f, TrigFactor g) : first(f), second(g) {}
};

constexpr TrigProduct operator*(TrigFactor f, TrigFactor g) { return {f, g}; }

// The argument 1 (a constant term).
constexpr TrigProduct kConstantTerm{};

// A term (constant + perNu * nu + perNu2 * nu^2) * argument, nu being the theory's time variable.
struct ProductTerm {
  TrigProduct argument;
  double constant;
  double perNu = 0.0;
  double perNu2 = 0.0;
};

// Returns true when every factor of terms refers to one of angleCount angles with a multiple
// the cache holds; the theories check their tables with it at compile time.
constexpr bool FitsTrigCache(std::span<const ProductTerm> terms, int angleCount) {
  for (const ProductTerm& t : terms) {
    for (const TrigFactor& f : {t.argument.first, t.argument.second}) {
      if (f.multiple < 0 || f.multiple > kMaxAngleMultiple) return false;
      // The factor 1 of the empty argument is angle 0's, which every cache holds.
      if (f.angle < 0 || (f.angle >= angleCount && f.angle > 0) || angleCount > kMaxAuxiliaryAngles) return false;
    }
  }
  return true;
}

// The sines and cosines of the multiples 1 to kMaxAngleMultiple of one theory's auxiliary angles
// for one evaluation, computed once and shared by every term: in the chart from the sine and
// cosine of the angle by angle addition (sin kx = sin (k-1)x cos x + cos (k-1)x sin x, an error
// below k ulp), in the reference build as sin(k * angle * DegToRad()) itself.
class TrigCache {
 public:
  // anglesDeg: the auxiliary angles in degrees, not reduced; at most kMaxAuxiliaryAngles.
  explicit TrigCache(std::span<const double> anglesDeg);

  // Returns the value of one factor (1 for a multiple of 0) of an angle the cache was given.
  double Factor(const TrigFactor& f) const { return values_[f.slot]; }

 private:
  // By TrigFactor::slot: [angle][multiple][0 sine, 1 cosine]; only the given angles are set.
  double values_[kMaxAuxiliaryAngles * (kMaxAngleMultiple + 1) * 2];
};

// Returns the sum of the terms at time variable nu, each product taken from the cache.
double SumProductTerms(std::span<const ProductTerm> terms, const TrigCache& cache, double nu);

}  // namespace caelix

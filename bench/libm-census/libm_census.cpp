// What one chart asks of the C library's sine, cosine, tangent and arctangent, and what that costs
// at the library's own speed: the floor under ComputeChart while every result bit stays what the
// library gives. The program is linked with the linker's --wrap for these functions, so every call
// from the chart's code passes through a recorder on its way to the library.
//
// For each of the benchmark's charts it records the arguments, then replays them through the
// library to time each function on exactly those arguments. The floor counts every distinct
// argument once, with the cheapest call that gives what the chart needs of it (sin or cos alone,
// or sincos for both), as if every repeated call were shared and all other code took no time.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_rows.h"
#include "chart/compute_chart.h"

extern "C" {
double __real_sin(double);
double __real_cos(double);
void __real_sincos(double, double*, double*);
double __real_tan(double);
double __real_atan(double);
}

namespace {

enum Need : unsigned { kSine = 1, kCosine = 2, kTangent = 4, kArcTangent = 8 };

struct Call {
  std::uint64_t argumentBits;
  unsigned need;
};

bool recording = false;
std::vector<Call> calls;

void Record(double x, unsigned need) {
  if (!recording) return;
  std::uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  calls.push_back({bits, need});
}

double FromBits(std::uint64_t bits) {
  double x = 0.0;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

}  // namespace

extern "C" {
double __wrap_sin(double x) {
  Record(x, kSine);
  return __real_sin(x);
}
double __wrap_cos(double x) {
  Record(x, kCosine);
  return __real_cos(x);
}
void __wrap_sincos(double x, double* s, double* c) {
  Record(x, kSine | kCosine);
  __real_sincos(x, s, c);
}
double __wrap_tan(double x) {
  Record(x, kTangent);
  return __real_tan(x);
}
double __wrap_atan(double x) {
  Record(x, kArcTangent);
  return __real_atan(x);
}
}

namespace {

using Clock = std::chrono::steady_clock;

// Returns the nanoseconds per call of f over the arguments, the best of five passes of many rounds.
template <typename F>
double NanosecondsPerCall(const std::vector<double>& arguments, F f) {
  double best = 1e300;
  volatile double sink = 0.0;
  for (int pass = 0; pass < 5; ++pass) {
    const auto start = Clock::now();
    double sum = 0.0;
    for (int round = 0; round < 50; ++round) {
      for (double x : arguments) sum += f(x);
    }
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    best = std::min(best, ns / (50.0 * static_cast<double>(arguments.size())));
    sink = sink + sum;
  }
  return best;
}

// Per chart totals: the calls, and the distinct arguments of the sines and cosines (with what
// is needed of each), of the tangents and of the arctangents.
struct Census {
  double calls = 0.0, trigCalls = 0.0, trigDistinct = 0.0, bothDistinct = 0.0;
  double tanDistinct = 0.0, atanCalls = 0.0, atanDistinct = 0.0;
  std::vector<double> trigArguments, atanArguments;
};

// Adds one chart's recorded calls of the functions in group to the census.
void CountGroup(const std::vector<Call>& recorded, unsigned group, Census& census) {
  std::vector<Call> own;
  for (const Call& c : recorded) {
    if ((c.need & group) != 0) own.push_back(c);
  }
  std::sort(own.begin(), own.end(), [](const Call& a, const Call& b) { return a.argumentBits < b.argumentBits; });
  if (group == kArcTangent) census.atanCalls += static_cast<double>(own.size());
  if (group != kArcTangent && group != kTangent) census.trigCalls += static_cast<double>(own.size());
  for (std::size_t i = 0; i < own.size();) {
    unsigned need = 0;
    std::size_t j = i;
    for (; j < own.size() && own[j].argumentBits == own[i].argumentBits; ++j) need |= own[j].need;
    const double x = FromBits(own[i].argumentBits);
    if (group == kArcTangent) {
      ++census.atanDistinct;
      census.atanArguments.push_back(x);
    } else if (group == kTangent) {
      ++census.tanDistinct;
    } else {
      ++census.trigDistinct;
      if (need == (kSine | kCosine)) ++census.bothDistinct;
      census.trigArguments.push_back(x);
    }
    i = j;
  }
}

void Chart(const caelix::ChartInput& in, caelix::ChartResult& result) {
  caelix::ComputeChart(in.day, in.hour, in.minute, in.month, in.year, in.longitude, in.latitude, in.houseCode(),
                       result);
}

}  // namespace

int main() {
  const auto inputs = caelix::bench::BenchInputs(256);
  const double charts = static_cast<double>(inputs.size());
  caelix::ChartResult result;

  Census census;
  for (const caelix::ChartInput& in : inputs) {
    calls.clear();
    recording = true;
    Chart(in, result);
    recording = false;
    census.calls += static_cast<double>(calls.size());
    for (const unsigned group : {kSine | kCosine, unsigned{kTangent}, unsigned{kArcTangent}}) {
      CountGroup(calls, group, census);
    }
  }

  const auto& trig = census.trigArguments;
  const double sinNs = NanosecondsPerCall(trig, [](double x) { return __real_sin(x); });
  const double cosNs = NanosecondsPerCall(trig, [](double x) { return __real_cos(x); });
  const double sincosNs = NanosecondsPerCall(trig, [](double x) {
    double s = 0.0, c = 0.0;
    __real_sincos(x, &s, &c);
    return s + c;
  });
  const double tanNs = NanosecondsPerCall(trig, [](double x) { return __real_tan(x); });
  const double atanNs = NanosecondsPerCall(census.atanArguments, [](double x) { return __real_atan(x); });

  constexpr int kRounds = 20;
  const auto start = Clock::now();
  for (int round = 0; round < kRounds; ++round) {
    for (const caelix::ChartInput& in : inputs) Chart(in, result);
  }
  const double chartUs = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / (kRounds * charts);

  const double floorNs = (census.trigDistinct - census.bothDistinct) * std::min(sinNs, cosNs) +
                         census.bothDistinct * sincosNs + census.tanDistinct * tanNs + census.atanDistinct * atanNs;
  std::printf("The C library's trigonometry in one chart (mean of %.0f charts)\n", charts);
  std::printf("  calls: %.0f; sine, cosine and sincos: %.0f on %.0f distinct arguments (%.0f needing both)\n",
              census.calls / charts, census.trigCalls / charts, census.trigDistinct / charts,
              census.bothDistinct / charts);
  std::printf("  tangents: %.0f distinct arguments; arctangents: %.0f on %.0f distinct arguments\n",
              census.tanDistinct / charts, census.atanCalls / charts, census.atanDistinct / charts);
  std::printf("  per call on these arguments: sin %.1f ns, cos %.1f ns, sincos %.1f ns, tan %.1f ns, atan %.1f ns\n",
              sinNs, cosNs, sincosNs, tanNs, atanNs);
  std::printf("  ComputeChart (with the recorder in the way): %.1f us a chart\n", chartUs);
  std::printf("  floor, each distinct argument once and no other code: %.1f us a chart\n", floorNs / (1000.0 * charts));
  return 0;
}

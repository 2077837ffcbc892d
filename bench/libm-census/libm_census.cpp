// What one chart asks of the C library's sine, cosine, tangent and arctangent, and what that costs
// at the library's own speed: the floor under ComputeChart while every result bit stays what the
// library gives. The program is linked with the linker's --wrap for these functions, so every call
// from the chart's code passes through a recorder on its way to the library.
//
// For each of the benchmark's charts it records the arguments, then replays them through the
// library to time each function on exactly those arguments. The floor counts every distinct
// argument once, with the cheapest call that gives what the chart needs of it (sin or cos alone,
// or sincos for both), as if every repeated call were shared and all other code took no time.
// Since the chart takes its sines, cosines and arctangents from its own polynomials (astro/trig.h),
// what remains here are the Campanus tangents and the arguments too large to reduce.
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

enum Need : unsigned { kSine = 1, kCosine = 2 };

struct Call {
  std::uint64_t argumentBits;
  unsigned need;  // kSine, kCosine or both; 0 for the tangent and the arctangent
};

// One chart's calls, a list for each kind of function.
bool recording = false;
std::vector<Call> trigCalls, tanCalls, atanCalls;

void Record(std::vector<Call>& list, double x, unsigned need) {
  if (!recording) return;
  std::uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  list.push_back({bits, need});
}

double FromBits(std::uint64_t bits) {
  double x = 0.0;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

}  // namespace

extern "C" {
double __wrap_sin(double x) {
  Record(trigCalls, x, kSine);
  return __real_sin(x);
}
double __wrap_cos(double x) {
  Record(trigCalls, x, kCosine);
  return __real_cos(x);
}
void __wrap_sincos(double x, double* s, double* c) {
  Record(trigCalls, x, kSine | kCosine);
  __real_sincos(x, s, c);
}
double __wrap_tan(double x) {
  Record(tanCalls, x, 0);
  return __real_tan(x);
}
double __wrap_atan(double x) {
  Record(atanCalls, x, 0);
  return __real_atan(x);
}
}

namespace {

using Clock = std::chrono::steady_clock;

// Returns the nanoseconds per call of f over the arguments, the best of five passes of many rounds;
// 0 when there are none (the chart no longer calls that function).
template <typename F>
double NanosecondsPerCall(const std::vector<double>& arguments, F f) {
  if (arguments.empty()) return 0.0;
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

// Returns the distinct arguments of calls, each with all that was needed of it.
std::vector<Call> Distinct(std::vector<Call> calls) {
  std::sort(calls.begin(), calls.end(), [](const Call& a, const Call& b) { return a.argumentBits < b.argumentBits; });
  std::vector<Call> distinct;
  for (const Call& c : calls) {
    if (!distinct.empty() && distinct.back().argumentBits == c.argumentBits) {
      distinct.back().need |= c.need;
    } else {
      distinct.push_back(c);
    }
  }
  return distinct;
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

  // Totals over all charts; the distinct arguments of every chart are kept for the timing.
  double callCount = 0.0, trigCount = 0.0, atanCount = 0.0;
  double trigDistinct = 0.0, bothDistinct = 0.0, tanDistinct = 0.0, atanDistinct = 0.0;
  std::vector<double> trig, tanArguments, atanArguments;
  for (const caelix::ChartInput& in : inputs) {
    for (auto* list : {&trigCalls, &tanCalls, &atanCalls}) list->clear();
    recording = true;
    Chart(in, result);
    recording = false;
    trigCount += static_cast<double>(trigCalls.size());
    atanCount += static_cast<double>(atanCalls.size());
    callCount += static_cast<double>(trigCalls.size() + tanCalls.size() + atanCalls.size());
    for (const Call& c : Distinct(trigCalls)) {
      ++trigDistinct;
      if (c.need == (kSine | kCosine)) ++bothDistinct;
      trig.push_back(FromBits(c.argumentBits));
    }
    for (const Call& c : Distinct(tanCalls)) {
      ++tanDistinct;
      tanArguments.push_back(FromBits(c.argumentBits));
    }
    for (const Call& c : Distinct(atanCalls)) {
      ++atanDistinct;
      atanArguments.push_back(FromBits(c.argumentBits));
    }
  }

  const double sinNs = NanosecondsPerCall(trig, [](double x) { return __real_sin(x); });
  const double cosNs = NanosecondsPerCall(trig, [](double x) { return __real_cos(x); });
  const double sincosNs = NanosecondsPerCall(trig, [](double x) {
    double s = 0.0, c = 0.0;
    __real_sincos(x, &s, &c);
    return s + c;
  });
  const double tanNs = NanosecondsPerCall(tanArguments, [](double x) { return __real_tan(x); });
  const double atanNs = NanosecondsPerCall(atanArguments, [](double x) { return __real_atan(x); });

  constexpr int kRounds = 20;
  const auto start = Clock::now();
  for (int round = 0; round < kRounds; ++round) {
    for (const caelix::ChartInput& in : inputs) Chart(in, result);
  }
  const double chartUs = std::chrono::duration<double, std::micro>(Clock::now() - start).count() / (kRounds * charts);

  const double floorNs = (trigDistinct - bothDistinct) * std::min(sinNs, cosNs) + bothDistinct * sincosNs +
                         tanDistinct * tanNs + atanDistinct * atanNs;
  std::printf("The C library's trigonometry in one chart (mean of %.0f charts)\n", charts);
  std::printf("  calls: %.0f; sine, cosine and sincos: %.0f on %.0f distinct arguments (%.0f needing both)\n",
              callCount / charts, trigCount / charts, trigDistinct / charts, bothDistinct / charts);
  std::printf("  tangents: %.0f distinct arguments; arctangents: %.0f on %.0f distinct arguments\n",
              tanDistinct / charts, atanCount / charts, atanDistinct / charts);
  std::printf("  per call on these arguments: sin %.1f ns, cos %.1f ns, sincos %.1f ns, tan %.1f ns, atan %.1f ns\n",
              sinNs, cosNs, sincosNs, tanNs, atanNs);
  std::printf("  ComputeChart (with the recorder in the way): %.1f us a chart\n", chartUs);
  std::printf("  floor, each distinct argument once and no other code: %.1f us a chart\n", floorNs / (1000.0 * charts));
  return 0;
}

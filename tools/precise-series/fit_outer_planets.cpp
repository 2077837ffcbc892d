// fit-outer-planets: fits the corrections that bring VSOP87D's Uranus and Neptune (as the precise
// engine evaluates them) to the Swiss Ephemeris' heliocentric positions of date over 1800-2100,
// and writes them as astro/series/outer_planets_generated.cpp (--out FILE) or checks that file
// (--verify FILE). VSOP87 was fitted to DE200, whose outer planets later ephemerides moved by
// one or two seconds of arc; the corrections are Chebyshev series in time of the differences in
// heliocentric longitude, latitude and distance.
#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/outer_planets.h"
#include "astro/vsop87d.h"

namespace {

using caelix::kOuterCorrectionDegree;
using caelix::kOuterCorrectionFirstJd;
using caelix::kOuterCorrectionLastJd;

constexpr int kSamples = 3000;
constexpr int kCoefficients = kOuterCorrectionDegree + 1;
constexpr double kRadPerDeg = 3.14159265358979323846 / 180.0;

// Solves the normal equations of a least-squares fit of Chebyshev polynomials to (x, y).
std::vector<double> FitChebyshev(const std::vector<double>& x, const std::vector<double>& y) {
  std::vector<std::vector<double>> a(kCoefficients, std::vector<double>(kCoefficients + 1, 0.0));
  for (std::size_t i = 0; i < x.size(); ++i) {
    double t[kCoefficients];
    t[0] = 1.0;
    t[1] = x[i];
    for (int k = 2; k < kCoefficients; ++k) t[k] = 2.0 * x[i] * t[k - 1] - t[k - 2];
    for (int r = 0; r < kCoefficients; ++r) {
      for (int c = 0; c < kCoefficients; ++c) a[r][c] += t[r] * t[c];
      a[r][kCoefficients] += t[r] * y[i];
    }
  }
  for (int p = 0; p < kCoefficients; ++p) {
    for (int r = p + 1; r < kCoefficients; ++r) {
      const double f = a[r][p] / a[p][p];
      for (int c = p; c <= kCoefficients; ++c) a[r][c] -= f * a[p][c];
    }
  }
  std::vector<double> coefficient(kCoefficients);
  for (int r = kCoefficients - 1; r >= 0; --r) {
    double sum = a[r][kCoefficients];
    for (int c = r + 1; c < kCoefficients; ++c) sum -= a[r][c] * coefficient[c];
    coefficient[r] = sum / a[r][r];
  }
  return coefficient;
}

struct Planet {
  const char* name;
  int swissBody;
  const caelix::Vsop87Body* series;
};

// The fitted coefficients of one planet: longitude and latitude (radians), distance (au).
bool FitPlanet(const Planet& p, std::string& text, double& worstArcsec) {
  std::vector<double> x, dl, db, dr;
  for (int i = 0; i < kSamples; ++i) {
    const double jd =
        kOuterCorrectionFirstJd + (i + 0.5) / kSamples * (kOuterCorrectionLastJd - kOuterCorrectionFirstJd);
    double xx[6];
    char error[AS_MAXCH];
    const int flags = SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_TRUEPOS | SEFLG_NONUT | SEFLG_NOABERR | SEFLG_NOGDEFL;
    if (swe_calc(jd, p.swissBody, flags, xx, error) < 0) {
      std::fprintf(stderr, "fit-outer-planets: %s\n", error);
      return false;
    }
    const caelix::HeliocentricState s = caelix::Vsop87dStates(*p.series, jd).at;
    x.push_back(caelix::OuterCorrectionArgument(jd));
    dl.push_back(std::remainder(xx[0] * kRadPerDeg - s.longitudeRad, 2.0 * 3.14159265358979323846));
    db.push_back(xx[1] * kRadPerDeg - s.latitudeRad);
    dr.push_back(xx[2] - s.radiusAu);
  }
  const std::vector<double> cl = FitChebyshev(x, dl), cb = FitChebyshev(x, db), cr = FitChebyshev(x, dr);
  caelix::OuterCorrection fitted{};
  for (int k = 0; k < kCoefficients; ++k) {
    fitted.longitudeRad[k] = cl[k];
    fitted.latitudeRad[k] = cb[k];
    fitted.radiusAu[k] = cr[k];
  }
  for (std::size_t i = 0; i < x.size(); ++i) {
    const caelix::OuterCorrectionValue v = caelix::EvaluateOuterCorrection(fitted, x[i]);
    worstArcsec = std::max(worstArcsec, std::fabs(dl[i] - v.longitudeRad) / kRadPerDeg * 3600.0);
    worstArcsec = std::max(worstArcsec, std::fabs(db[i] - v.latitudeRad) / kRadPerDeg * 3600.0);
  }
  std::ostringstream out;
  out.precision(17);
  auto row = [&out](const std::vector<double>& c) {
    out << "{";
    for (int k = 0; k < kCoefficients; ++k) out << (k ? ", " : "") << c[k];
    out << "}";
  };
  out << "const OuterCorrection k" << p.name << "Correction = {";
  row(cl);
  out << ",\n    ";
  row(cb);
  out << ",\n    ";
  row(cr);
  out << "};\n";
  text += out.str();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, verify, ephe = "/usr/share/libswe/ephe";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--out")
      out = argv[i + 1];
    else if (arg == "--verify")
      verify = argv[i + 1];
    else if (arg == "--ephe-path")
      ephe = argv[i + 1];
  }
  if (out.empty() == verify.empty()) {
    std::fputs("usage: fit-outer-planets [--ephe-path PATH] (--out FILE | --verify FILE)\n", stderr);
    return 2;
  }
  swe_set_ephe_path(const_cast<char*>(ephe.c_str()));
  const Planet planets[] = {{"Uranus", SE_URANUS, &caelix::kVsop87dUranus},
                            {"Neptune", SE_NEPTUNE, &caelix::kVsop87dNeptune}};
  std::string body;
  std::string summary;
  for (const Planet& p : planets) {
    double worst = 0.0;
    if (!FitPlanet(p, body, worst)) return 2;
    char line[160];
    std::snprintf(line, sizeof line, "// %s: largest residual %.3f\" over %d instants 1800-2100\n", p.name, worst,
                  kSamples);
    summary += line;
  }
  swe_close();
  const std::string text =
      "// Generated by tools/precise-series/fit_outer_planets.cpp from the Swiss Ephemeris (Debian's\n"
      "// swe-basic-data); do not edit. See docs/data.md.\n" +
      summary + "#include \"astro/outer_planets.h\"\n\n// clang-format off\nnamespace caelix {\n\n" + body +
      "\n}  // namespace caelix\n// clang-format on\n";
  if (!out.empty()) {
    std::ofstream(out) << text;
    std::fputs(summary.c_str(), stdout);
    return 0;
  }
  std::ifstream in(verify);
  std::stringstream committed;
  committed << in.rdbuf();
  if (committed.str() != text) {
    std::fprintf(stderr, "fit-outer-planets: %s differs from what the fit writes\n", verify.c_str());
    return 1;
  }
  return 0;
}

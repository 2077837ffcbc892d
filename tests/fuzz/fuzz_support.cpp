#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cmath>
#include <fstream>

#include "chart/compute_chart.h"
#include "fuzz/fuzz_targets.h"
#include "support/recording_surface.h"
#include "ui/pages/aspects_page.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/positions_page.h"
#include "ui/pages/quadruplicity_page.h"
#include "ui/wheel/chart_wheel.h"
#include "ui/wheel/header_text.h"

namespace caelix::fuzz {

namespace {

struct Scratch {
  // In memory where the machine has it: the targets rewrite a file on every run.
  Scratch() : path(Base() / ("caelix-fuzz-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path);
  }
  static std::filesystem::path Base() {
    std::error_code ignored;
    return std::filesystem::is_directory("/dev/shm", ignored) ? std::filesystem::path("/dev/shm")
                                                              : std::filesystem::temp_directory_path();
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

bool ShowsNonNumber(const std::string& text) {
  return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

}  // namespace

const std::filesystem::path& ScratchDir() {
  static const Scratch scratch;
  return scratch.path;
}

void WriteBytes(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
  // A new file rather than a truncated one, which some file systems flush on close.
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::vector<std::string> SplitLines(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += static_cast<char>(data[i]);
    }
  }
  return lines;
}

void RequireSoundChart(const ChartInput& in) {
  const ChartResult r = ComputeChart(in);
  for (std::size_t i = 1; i < kBodyCount; ++i) {
    const BodySlot& s = r[static_cast<BodyId>(i)];
    CAELIX_FUZZ_REQUIRE(std::isfinite(s.longitude) && std::isfinite(s.declination));
    CAELIX_FUZZ_REQUIRE(std::isfinite(s.longitudeNext) && std::isfinite(s.declinationNext));
    CAELIX_FUZZ_REQUIRE((s.longitude >= 0.0 && s.longitude < 360.0) || s.longitude == kNoLongitude);
  }
  CAELIX_FUZZ_REQUIRE(!ShowsNonNumber(BuildPositionsText(in, r)));
  CAELIX_FUZZ_REQUIRE(!ShowsNonNumber(BuildElementsText(r)));
  CAELIX_FUZZ_REQUIRE(!ShowsNonNumber(BuildQuadruplicityText(r)));
  CAELIX_FUZZ_REQUIRE(!ShowsNonNumber(BuildAspectsText(r)));
  const std::string header = BuildHeaderText(in);
  CAELIX_FUZZ_REQUIRE(!ShowsNonNumber(header));
  constexpr int kSide = 480;
  RecordingSurface surface;
  ChartWheel wheel;
  wheel.DrawWheel(surface, Rect{0, 0, kSide, kSide}, r, header);
  for (const DrawnPrimitive& p : surface.primitives()) {
    for (int v : {p.x, p.y, p.right, p.bottom}) CAELIX_FUZZ_REQUIRE(v >= -kSide && v <= 2 * kSide);
  }
}

}  // namespace caelix::fuzz

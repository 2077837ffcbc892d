#pragma once
// What the fuzz targets share: a scratch folder for the stored files, splitting the bytes into
// lines, and the check that a chart and its pages are sound.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "chart/chart_input.h"

namespace caelix::fuzz {

// Returns a folder of this process under the temporary folder, created on first use and
// removed at exit.
const std::filesystem::path& ScratchDir();

// Writes size bytes of data to path, replacing it.
void WriteBytes(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size);

// Returns the bytes split at '\n', the last piece included even when empty.
std::vector<std::string> SplitLines(const std::uint8_t* data, std::size_t size);

// Computes the chart of in and requires every longitude in [0, 360) or the no-value marker,
// every value finite, and the four pages and the wheel free of non-numbers.
void RequireSoundChart(const ChartInput& in);

}  // namespace caelix::fuzz

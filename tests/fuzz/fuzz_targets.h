#pragma once
// The fuzz targets: one entry per input that reaches the program from outside. Each takes
// arbitrary bytes, feeds them to the reader of that input and checks what comes out with
// CAELIX_FUZZ_REQUIRE. Built into a libFuzzer binary each (make fuzz) and into the test binary,
// which replays the committed corpus through them.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace caelix::fuzz {

using Target = int (*)(const std::uint8_t* data, std::size_t size);

// The stored files of the main dialog, written with the bytes and loaded.
int HouseFileTarget(const std::uint8_t* data, std::size_t size);
int PlaceFileTarget(const std::uint8_t* data, std::size_t size);
int HistoryFileTarget(const std::uint8_t* data, std::size_t size);
// The main dialog's edits: the bytes as one text for every validator, and as seven lines typed
// into the seven edits; an input they all admit must give a sound chart.
int EditTextsTarget(const std::uint8_t* data, std::size_t size);
// `caelix chart`: the lines of the bytes as --date, --time, --longitude, --latitude, --houses.
int ChartArgumentsTarget(const std::uint8_t* data, std::size_t size);
// `caelix batch`: the lines of the bytes as rows, the first one read as a header when the first
// byte says so.
int BatchRowTarget(const std::uint8_t* data, std::size_t size);
// `caelix batch`: the bytes as its whole standard input.
int BatchInputTarget(const std::uint8_t* data, std::size_t size);
// `caelix serve`: the bytes as a chart request's JSON body (the first byte chooses a picture's).
int WebRequestTarget(const std::uint8_t* data, std::size_t size);

struct NamedTarget {
  std::string_view name;  // also the folder of its corpus
  Target target;
};

inline constexpr NamedTarget kTargets[] = {
    {"house_file", HouseFileTarget},   {"place_file", PlaceFileTarget},           {"history_file", HistoryFileTarget},
    {"edit_texts", EditTextsTarget},   {"chart_arguments", ChartArgumentsTarget}, {"batch_row", BatchRowTarget},
    {"batch_input", BatchInputTarget}, {"web_request", WebRequestTarget},
};

// Reports a broken check: aborts under libFuzzer, throws in the corpus replay.
[[noreturn]] void Fail(const char* condition, const char* file, int line);

}  // namespace caelix::fuzz

#define CAELIX_FUZZ_REQUIRE(condition) \
  ((condition) ? static_cast<void>(0) : ::caelix::fuzz::Fail(#condition, __FILE__, __LINE__))

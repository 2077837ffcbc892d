#pragma once
// The four pages of a chart, in the order of the result dialog's buttons, with the names the
// command line and the machine-readable output give them.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_input.h"
#include "chart/chart_result.h"

namespace caelix {

enum class Page { Positions, Elements, Quadruplicity, Aspects };

struct PageInfo {
  Page page;
  std::string_view key;  // "positions", "elements", "quadruplicity", "aspects"
};

inline constexpr std::array<PageInfo, 4> kPages = {{
    {Page::Positions, "positions"},
    {Page::Elements, "elements"},
    {Page::Quadruplicity, "quadruplicity"},
    {Page::Aspects, "aspects"},
}};

// Returns the text of one page of a chart, as its builder makes it (UTF-8, "\r\n" line ends).
std::string BuildPage(Page page, const ChartInput& input, const ChartResult& result);

// Returns the page whose key is text, in any case ("Aspects"), or nothing.
std::optional<Page> PageNamed(std::string_view text);

}  // namespace caelix

#include "ui/pages/page_list.h"

#include "ui/pages/aspects_page.h"
#include "ui/pages/elements_page.h"
#include "ui/pages/positions_page.h"
#include "ui/pages/quadruplicity_page.h"

namespace caelix {

std::string BuildPage(Page page, const ChartInput& input, const ChartResult& result) {
  switch (page) {
    case Page::Positions:
      return BuildPositionsText(input, result);
    case Page::Elements:
      return BuildElementsText(result);
    case Page::Quadruplicity:
      return BuildQuadruplicityText(result);
    case Page::Aspects:
      return BuildAspectsText(result);
  }
  return {};
}

std::optional<Page> PageNamed(std::string_view text) {
  for (const PageInfo& p : kPages) {
    if (SameIgnoringCase(text, p.key)) return p.page;
  }
  return std::nullopt;
}

}  // namespace caelix

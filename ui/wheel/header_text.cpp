#include "ui/wheel/header_text.h"

#include "ui/pages/positions_page.h"

namespace caelix {

std::string BuildHeaderText(const ChartInput& input) { return HeaderDateText(input) + ", " + HeaderPlaceText(input); }

}  // namespace caelix

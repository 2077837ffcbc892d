#include "ui/wheel/header_text.h"

#include <cmath>
#include <cstdio>

namespace caelix {

std::string BuildHeaderText(const ChartInput& input) {
  const auto whole = [](double v) { return static_cast<int>(std::trunc(v)); };
  char buf[200];
  std::snprintf(buf, sizeof buf, "%d.%d.%d %dGMT:%s%.2f, %.2f\u00b0 %.2f\u00b0", whole(input.day), whole(input.month),
                whole(input.year), whole(input.hour), input.minute < 10.0 ? "0" : "", input.minute, input.latitude,
                input.longitude);
  return buf;
}

}  // namespace caelix

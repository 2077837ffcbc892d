#include "ui/wheel/text_extent.h"

namespace caelix {

double TextWidthEm(std::string_view utf8) {
  double em = 0.0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    const std::string_view c = utf8.substr(i, length);
    if (c == "\u00b0") {
      em += 0.5;
    } else if (c == "\u2032") {
      em += 0.3;
    } else if (c == " ") {
      em += 0.32;
    } else if (lead >= '0' && lead <= '9') {
      em += 0.64;
    } else if (lead >= 'A' && lead <= 'Z') {
      em += 0.72;
    } else {
      em += 0.62;
    }
    i += length;
  }
  return em;
}

}  // namespace caelix

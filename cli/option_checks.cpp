#include "cli/option_checks.h"

#include <algorithm>

#include "cli/echoed_text.h"
#include "cli/input_parsing.h"

namespace caelix {

CLI::Validator DecimalDigits() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
          return QuotedEcho(text) + " is not a whole number in decimal digits";
        }
        const std::size_t first = text.find_first_not_of('0');
        text.erase(0, first == std::string::npos ? text.size() - 1 : first);
        return {};
      },
      "DECIMAL", "DecimalDigits");
}

CLI::Validator PlainDecimal() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        return ParseDecimal(text) ? std::string() : QuotedEcho(text) + " is not a plain decimal number";
      },
      "DECIMAL", "PlainDecimal");
}

}  // namespace caelix

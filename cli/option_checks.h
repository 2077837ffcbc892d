#pragma once
// Checks of the numeric options the chart input's parsers do not cover (--size, --threads,
// --scale): CLI11 alone would read "0100" as octal, "0x40" as hexadecimal and " 100" as 100.
#include <CLI/CLI.hpp>

namespace caelix {

// A whole number in decimal digits only (no sign, blank or base prefix); leading zeros are
// dropped before the number is read, so "0100" is 100.
CLI::Validator DecimalDigits();

// A plain decimal number as ParseDecimal reads it (no blank, exponent, hexadecimal or infinity).
CLI::Validator PlainDecimal();

}  // namespace caelix

#pragma once

#include <string_view>

namespace forgeline {

// The numeric test of every number box: an optional sign, digits with an optional decimal
// point (at least one digit in all), an optional exponent "E" or "e" with its own optional
// sign and digits ("2E" reads as 2 while the exponent is still being typed). No blanks,
// thousands separators, currency signs or hexadecimal forms, and the value must fit a double
// (so "1E400" is not a number).
bool IsNumeric(std::string_view text);

} // namespace forgeline

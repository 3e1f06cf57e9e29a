#pragma once

#include <string>
#include <string_view>

namespace rutschbild {

// The numeric value of a text: its leading decimal digits; a text without any is 0.
double numericValue(std::string_view text);

// Plain decimal of a whole, non-negative number: no sign, no spaces, no decimals, no exponent.
std::string decimalText(double value);

} // namespace rutschbild

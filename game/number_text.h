#pragma once

#include <cstdint>
#include <string>

namespace rutschbild {

// Plain decimal: no sign, no spaces, no leading zeros.
std::string decimalText(std::uint64_t value);

} // namespace rutschbild

#include "number_text.h"

namespace rutschbild {

std::string decimalText(std::uint64_t value) { return std::to_string(value); }

} // namespace rutschbild

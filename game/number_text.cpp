#include "number_text.h"

#include <cassert>
#include <cmath>
#include <cstdio>

namespace rutschbild {

double numericValue(std::string_view text)
{
    double value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string decimalText(double value)
{
    assert(value >= 0 && std::floor(value) == value);
    // %.0f never switches to an exponent, unlike the shortest round-trip formats.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
}

} // namespace rutschbild

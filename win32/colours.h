#pragma once

// The game's colours as GDI takes them.
#include "layout.h"

#include <windows.h>

namespace rutschbild::win32 {

constexpr COLORREF colourRef(layout::Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace rutschbild::win32

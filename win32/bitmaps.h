#pragma once

// The tile bitmaps: loading them from the program's resources by number, reading their pixels,
// and scaling pictures smoothly for monitors away from 96 DPI.
#include "gdi_handles.h"

#include <cstdint>
#include <vector>

namespace rutschbild::win32 {

// Pixels as 0x00RRGGBB, row by row from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> values;

    std::uint32_t at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
};

Bitmap loadBitmapResource(int number);
Pixels readPixels(HBITMAP bitmap);
// A 32-bit top-down bitmap holding the given pixels; none, reported, without the memory for it.
Bitmap createBitmap(const Pixels& pixels);
// Smoothly to another size: shrinking averages what each target pixel covers, enlarging blends
// between neighbours; at the same size the pixels stay as they are.
Pixels scaledSmoothly(const Pixels& source, int width, int height);

} // namespace rutschbild::win32

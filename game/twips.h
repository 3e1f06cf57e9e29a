#pragma once

// The layout is designed in twips, 1/1440 inch; at 96 dots per inch 15 of them make one pixel,
// and every figure of the layout divides exactly.
namespace rutschbild {

constexpr int kTwipsPerPixel = 15;
constexpr int kTwipsPerInch = 1440;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

// Pixels at another resolution, rounded to the nearest pixel.
constexpr int pixelsAtDpi(int twips, int dpi)
{
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

} // namespace rutschbild

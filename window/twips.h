#pragma once

#include <QPoint>
#include <QRect>

namespace rutschbild {

// The layout is designed in twips; at 96 dots per inch 15 of them make one pixel, and every
// figure of the layout divides exactly.
constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }
constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect pixels(const TwipRect& rect)
{
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

} // namespace rutschbild

#pragma once

// Whether a picture of the window's client area at 96 DPI shows each visible control of
// layout::kControls, and the board's outline, on its designed box. Plain C++, so every front
// end's tests can check their own picture in-process.
#include <cstdint>
#include <string>
#include <vector>

namespace rutschbild::drawn {

// 0xRRGGBB per pixel, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

struct Finding {
    std::string control; // its name in layout.h, or "boardOutline"
    bool drawn = false;  // every edge within a pixel of the box
    std::string detail;  // per edge: where it was found, or that it was not
};

struct Result {
    std::uint32_t face = 0; // the window's background, as the picture shows it
    std::vector<Finding> findings;
    bool ok() const;
    std::vector<std::string> missing() const;
};

Result checkDrawnWindow(const Picture& picture);

std::string describe(const Result& result);

} // namespace rutschbild::drawn

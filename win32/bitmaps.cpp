#include "bitmaps.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>

namespace rutschbild::win32 {

namespace {

BITMAPINFO topDownInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // negative: the first row is the top one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::uint32_t mix(std::uint32_t a, std::uint32_t b, double weightOfB)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double channelA = (a >> shift) & 0xff;
        const double channelB = (b >> shift) & 0xff;
        const auto channel =
            static_cast<std::uint32_t>(std::lround(channelA + (channelB - channelA) * weightOfB));
        result |= channel << shift;
    }
    return result;
}

} // namespace

Bitmap loadBitmapResource(int number)
{
    return Bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                  MAKEINTRESOURCEW(number), IMAGE_BITMAP, 0, 0,
                                                  LR_CREATEDIBSECTION)));
}

Pixels readPixels(HBITMAP bitmap)
{
    BITMAP description{};
    GetObjectW(bitmap, sizeof(description), &description);
    Pixels pixels{description.bmWidth, description.bmHeight, {}};
    pixels.values.resize(static_cast<std::size_t>(pixels.width) * pixels.height);
    BITMAPINFO info = topDownInfo(pixels.width, pixels.height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(pixels.height), pixels.values.data(), &info,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (std::uint32_t& value : pixels.values)
        value &= 0xffffff;
    return pixels;
}

Bitmap createBitmap(const Pixels& pixels)
{
    const BITMAPINFO info = topDownInfo(pixels.width, pixels.height);
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    assert(bitmap && bits != nullptr);
    std::memcpy(bits, pixels.values.data(), pixels.values.size() * sizeof(std::uint32_t));
    return bitmap;
}

Pixels scaledSmoothly(const Pixels& source, int width, int height)
{
    Pixels target{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    // Pixel centres map onto pixel centres, so the picture neither shifts nor loses its edges.
    const double scaleX = static_cast<double>(source.width) / width;
    const double scaleY = static_cast<double>(source.height) / height;
    for (int y = 0; y < height; ++y) {
        const double sy = std::clamp((y + 0.5) * scaleY - 0.5, 0.0, source.height - 1.0);
        const int y0 = static_cast<int>(sy);
        const int y1 = std::min(y0 + 1, source.height - 1);
        for (int x = 0; x < width; ++x) {
            const double sx = std::clamp((x + 0.5) * scaleX - 0.5, 0.0, source.width - 1.0);
            const int x0 = static_cast<int>(sx);
            const int x1 = std::min(x0 + 1, source.width - 1);
            const std::uint32_t top = mix(source.at(x0, y0), source.at(x1, y0), sx - x0);
            const std::uint32_t bottom = mix(source.at(x0, y1), source.at(x1, y1), sx - x0);
            target.values[static_cast<std::size_t>(y) * width + x] = mix(top, bottom, sy - y0);
        }
    }
    return target;
}

} // namespace rutschbild::win32

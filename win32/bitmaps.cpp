#include "bitmaps.h"
#include "failure.h"
#include "failure_texts.h"

#include <algorithm>
#include <array>
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

struct Tap {
    int index;
    double weight;
};

// For each target pixel along one axis, the source pixels it is made of. Shrinking takes the mean
// of the stretch of source the target pixel covers, so no source pixel is skipped; enlarging
// blends the two source pixels nearest to it.
std::vector<std::vector<Tap>> taps(int sourceSize, int targetSize)
{
    const double scale = static_cast<double>(sourceSize) / targetSize;
    std::vector<std::vector<Tap>> result(static_cast<std::size_t>(targetSize));
    for (int t = 0; t < targetSize; ++t) {
        std::vector<Tap>& sources = result[static_cast<std::size_t>(t)];
        if (scale > 1) {
            const double from = t * scale;
            const double to = from + scale;
            for (int s = static_cast<int>(from); s < to && s < sourceSize; ++s) {
                const double covered =
                    std::min(to, s + 1.0) - std::max(from, static_cast<double>(s));
                sources.push_back({s, covered / scale});
            }
        } else {
            // Pixel centres map onto pixel centres, so the picture neither shifts nor loses its
            // edges; at the same size every pixel is its own source.
            const double at = std::clamp((t + 0.5) * scale - 0.5, 0.0, sourceSize - 1.0);
            const int s = static_cast<int>(at);
            sources.push_back({s, 1 - (at - s)});
            if (at > s)
                sources.push_back({s + 1, at - s});
        }
    }
    return result;
}

} // namespace

Bitmap loadBitmapResource(int number)
{
    return Bitmap(
        static_cast<HBITMAP>(loadImage(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number),
                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
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
    Bitmap bitmap(createDibSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        reportFailure(kMemoryFailureText);
        return nullptr;
    }
    std::memcpy(bits, pixels.values.data(), pixels.values.size() * sizeof(std::uint32_t));
    return bitmap;
}

Pixels scaledSmoothly(const Pixels& source, int width, int height)
{
    using Channels = std::array<double, 3>; // blue, green, red
    const auto across = taps(source.width, width);
    const auto down = taps(source.height, height);
    // Across first, into rows of the target's width and the source's height; then down. Rounded
    // once, at the end.
    std::vector<Channels> rows(static_cast<std::size_t>(width) * source.height);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < width; ++x) {
            Channels& mixed = rows[static_cast<std::size_t>(y) * width + x];
            for (const Tap& tap : across[static_cast<std::size_t>(x)])
                for (int channel = 0; channel < 3; ++channel)
                    mixed[channel] +=
                        tap.weight * ((source.at(tap.index, y) >> (8 * channel)) & 0xff);
        }

    Pixels target{width, height, {}};
    target.values.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Channels mixed{};
            for (const Tap& tap : down[static_cast<std::size_t>(y)])
                for (int channel = 0; channel < 3; ++channel)
                    mixed[channel] +=
                        tap.weight * rows[static_cast<std::size_t>(tap.index) * width + x][channel];
            std::uint32_t value = 0;
            for (int channel = 0; channel < 3; ++channel)
                value |=
                    static_cast<std::uint32_t>(std::clamp(std::lround(mixed[channel]), 0L, 255L))
                    << (8 * channel);
            target.values.push_back(value);
        }
    return target;
}

} // namespace rutschbild::win32

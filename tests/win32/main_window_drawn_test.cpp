// The window's client area as Wine or Windows draws it at 96 DPI: every frame, button, field, list
// and the board outline on its designed box. The picture is kept as win32.bmp in
// RUTSCHBILD_DRAWN_DIR, or else in build/drawn under the working folder (tools/test-windows.sh
// runs the suites from the source tree), for tools/check-drawn.sh and for a person to look at.
#include "drawn_window.h"
#include "main_window_fixture.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace rutschbild::win32 {
namespace {

using MainWindowDrawn = MainWindowTest;

void put16(std::ofstream& file, std::uint16_t value)
{
    const char bytes[] = {char(value & 0xff), char(value >> 8)};
    file.write(bytes, 2);
}
void put32(std::ofstream& file, std::uint32_t value)
{
    put16(file, std::uint16_t(value & 0xffff));
    put16(file, std::uint16_t(value >> 16));
}

// A 24-bit BMP, rows from the bottom, each padded to four bytes.
bool writeBmp(const std::string& path, const Pixels& pixels)
{
    std::ofstream file(path, std::ios::binary);
    const std::uint32_t row = (std::uint32_t(pixels.width) * 3 + 3) & ~3u;
    const std::uint32_t size = row * std::uint32_t(pixels.height);
    file.write("BM", 2);
    put32(file, 14 + 40 + size);
    put32(file, 0);
    put32(file, 14 + 40);
    put32(file, 40);
    put32(file, std::uint32_t(pixels.width));
    put32(file, std::uint32_t(pixels.height));
    put16(file, 1);
    put16(file, 24);
    for (const std::uint32_t value : {0u, size, 3780u, 3780u, 0u, 0u}) // 96 DPI in pixels per metre
        put32(file, value);
    for (int y = pixels.height - 1; y >= 0; --y) {
        std::string bytes(row, '\0');
        for (int x = 0; x < pixels.width; ++x) {
            const std::uint32_t pixel = pixels.at(x, y);
            bytes[std::size_t(x) * 3] = char(pixel & 0xff);
            bytes[std::size_t(x) * 3 + 1] = char((pixel >> 8) & 0xff);
            bytes[std::size_t(x) * 3 + 2] = char((pixel >> 16) & 0xff);
        }
        file.write(bytes.data(), std::streamsize(bytes.size()));
    }
    return bool(file);
}

// What the client area shows, children included, copied from the window's own surface.
Pixels clientPixels(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client;
    GetClientRect(window, &client);
    HDC windowDc = GetDC(window);
    const Bitmap bitmap(CreateCompatibleBitmap(windowDc, client.right, client.bottom));
    {
        const MemoryDc dc(CreateCompatibleDC(windowDc));
        const Selection selection(dc.get(), bitmap.get());
        BitBlt(dc.get(), 0, 0, client.right, client.bottom, windowDc, 0, 0, SRCCOPY);
    }
    ReleaseDC(window, windowDc);
    return readPixels(bitmap.get());
}

TEST_F(MainWindowDrawn, EveryControlIsDrawnOnItsBox)
{
    pumpFor(200);
    const Pixels shown = clientPixels(mainWindow.handle());
    const char* dir = std::getenv("RUTSCHBILD_DRAWN_DIR");
    const std::string folder = dir && *dir ? dir : "build\\drawn";
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_TRUE(writeBmp(folder + "\\win32.bmp", shown)) << folder;

    const drawn::Result result = drawn::checkDrawnWindow({shown.width, shown.height, shown.values});
    EXPECT_TRUE(result.ok()) << drawn::describe(result);
}

} // namespace
} // namespace rutschbild::win32

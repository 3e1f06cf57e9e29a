// The main window on monitors scaled above 100 %: the board draws the pictures made at twice the
// size, sharp and without gaps, and goes back to the bitmaps themselves at 96 DPI; the window keeps
// its designed client area.
#include "dpi.h"
#include "main_window_fixture.h"
#include "picture_sets.h"
#include "png_decoder.h"

#include <array>
#include <cstdlib>

namespace rutschbild::win32 {
namespace {

using MainWindowScale = MainWindowTest;

int channel(std::uint32_t pixel, int which)
{
    return static_cast<int>((pixel >> (8 * which)) & 0xff);
}

// The mean difference per channel of two pictures of the same size.
double meanDifference(const Pixels& a, const Pixels& b)
{
    long long sum = 0;
    for (std::size_t i = 0; i < a.values.size(); ++i)
        for (int c = 0; c < 3; ++c)
            sum += std::abs(channel(a.values[i], c) - channel(b.values[i], c));
    return static_cast<double>(sum) / (3.0 * a.values.size());
}

// How steep the edges are: the squared differences of neighbouring pixels, which a blur spreads
// into more and smaller ones.
double sharpness(const Pixels& picture)
{
    double sum = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 1; x < picture.width; ++x)
            for (int c = 0; c < 3; ++c) {
                const int step = channel(picture.at(x, y), c) - channel(picture.at(x - 1, y), c);
                sum += step * step;
            }
    return sum / (3.0 * picture.height * (picture.width - 1));
}

Pixels cut(const Pixels& picture, const RECT& box)
{
    Pixels part{box.right - box.left, box.bottom - box.top, {}};
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            part.values.push_back(picture.at(x, y));
    return part;
}

int lineWidth(UINT dpi) { return pixelsAtDpi(kTwipsPerPixel, static_cast<int>(dpi)); }

// Where slot k's picture shows on the board at this resolution, without the outline and lines.
RECT slotInside(int slot, UINT dpi)
{
    const RECT board = pixelRect(layout::kBoard, dpi);
    RECT place = pixelRect(layout::slotBox(slot), dpi);
    OffsetRect(&place, -board.left, -board.top);
    InflateRect(&place, -lineWidth(dpi), -lineWidth(dpi));
    return place;
}

// The same part of a tile's own picture.
RECT pictureInside(const RECT& inside, UINT dpi)
{
    const int line = lineWidth(dpi);
    return {line, line, line + inside.right - inside.left, line + inside.bottom - inside.top};
}

void changeDpi(HWND window, UINT dpi)
{
    RECT suggested;
    GetWindowRect(window, &suggested);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

TEST(LargePictures, EachIsItsBitmapAtTwiceTheSize)
{
    const PngDecoder decoder;
    for (int number = 101; number <= 124; ++number) {
        const std::optional<Pixels> large = decoder.decode(number + kTwiceSizeOffset);
        ASSERT_TRUE(large.has_value()) << number;
        ASSERT_EQ(large->width, 254);
        ASSERT_EQ(large->height, 226);
        // Every two by two block averaged by hand comes close to the bitmap's pixel.
        Pixels halved{127, 113, {}};
        for (int y = 0; y < 113; ++y)
            for (int x = 0; x < 127; ++x) {
                std::uint32_t pixel = 0;
                for (int c = 0; c < 3; ++c) {
                    const int sum = channel(large->at(2 * x, 2 * y), c) +
                                    channel(large->at(2 * x + 1, 2 * y), c) +
                                    channel(large->at(2 * x, 2 * y + 1), c) +
                                    channel(large->at(2 * x + 1, 2 * y + 1), c);
                    pixel |= static_cast<std::uint32_t>((sum + 2) / 4) << (8 * c);
                }
                halved.values.push_back(pixel);
            }
        EXPECT_LT(meanDifference(halved, readPixels(loadBitmapResource(number).get())), 3.0)
            << number;
    }
    EXPECT_FALSE(decoder.decode(101).has_value()); // a bitmap, no PNG
}

TEST(SmoothScaling, KeepsEqualSizesAndAveragesWhenHalving)
{
    const Pixels picture{4,
                         2,
                         {0x000000, 0xffffff, 0x102030, 0x304050, //
                          0xffffff, 0x000000, 0x102030, 0x304050}};
    EXPECT_EQ(scaledSmoothly(picture, 4, 2).values, picture.values);
    EXPECT_EQ(scaledSmoothly(picture, 2, 1).values,
              (std::vector<std::uint32_t>{0x808080, 0x203040}));
}

TEST_F(MainWindowScale, At200PercentTheBoardShowsTheLargePicturesPixelForPixel)
{
    changeDpi(mainWindow.handle(), 192);
    const Pixels board = renderBoard();
    const PngDecoder decoder;
    for (int slot = 0; slot < 12; ++slot) {
        const RECT inside = slotInside(slot, 192);
        const Pixels large = *decoder.decode(113 + slot + kTwiceSizeOffset);
        EXPECT_EQ(cut(board, inside).values, cut(large, pictureInside(inside, 192)).values)
            << "slot " << slot;
    }
}

// The large pictures drawn once stay no longer than their set does, and each tile takes its own
// piece's wherever it stands.
TEST_F(MainWindowScale, At200PercentTheLargePicturesFollowTheChosenSetAndTheTiles)
{
    changeDpi(mainWindow.handle(), 192);
    renderBoard(); // the "Kinder" pieces are drawn large now
    HWND list = control(pictureList);
    SendMessageW(list, LB_SETCURSEL, 1, 0); // "Garten", as a click on it selects it
    SendMessageW(mainWindow.handle(), WM_COMMAND, MAKEWPARAM(controlId(pictureList), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    click(startButton);
    // By slot, the fixed start: which tile stands there; the gap in the last slot.
    constexpr std::array<int, 12> kTileInSlot{1, 10, 4, 2, 3, 0, 7, 6, 5, 8, 9, -1};
    const Pixels board = renderBoard();
    const PngDecoder decoder;
    for (int slot = 0; slot < 11; ++slot) {
        const RECT inside = slotInside(slot, 192);
        const Pixels large = *decoder.decode(201 + kTileInSlot[slot]);
        EXPECT_EQ(cut(board, inside).values, cut(large, pictureInside(inside, 192)).values)
            << "slot " << slot;
    }
}

TEST_F(MainWindowScale, At150PercentTheTilesAreSharperThanTheBitmapsEnlarged)
{
    changeDpi(mainWindow.handle(), 144);
    const Pixels board = renderBoard();
    for (int slot = 0; slot < 12; ++slot) {
        const RECT inside = slotInside(slot, 144);
        const Pixels shown = cut(board, inside);
        const Pixels bitmap = readPixels(loadBitmapResource(113 + slot).get());
        const Pixels enlarged = cut(scaledSmoothly(bitmap, 191, 170), pictureInside(inside, 144));
        EXPECT_LT(meanDifference(shown, enlarged), 6.0) << "slot " << slot << ": the same picture";
        EXPECT_GT(sharpness(shown), 1.3 * sharpness(enlarged)) << "slot " << slot;
    }
}

TEST_F(MainWindowScale, At125PercentNoLineOfBackgroundShowsBetweenTheTiles)
{
    changeDpi(mainWindow.handle(), 120);
    const Pixels board = renderBoard();
    const std::uint32_t background = GetSysColor(COLOR_BTNFACE) & 0xffffff;
    for (int y = 1; y < board.height - 1; ++y) {
        int seen = 0;
        for (int x = 1; x < board.width - 1; ++x)
            seen += board.at(x, y) == background;
        EXPECT_LT(seen, board.width / 2) << "row " << y;
    }
    for (int x = 1; x < board.width - 1; ++x) {
        int seen = 0;
        for (int y = 1; y < board.height - 1; ++y)
            seen += board.at(x, y) == background;
        EXPECT_LT(seen, board.height / 2) << "column " << x;
    }
}

TEST_F(MainWindowScale, BackAt96DpiTheBitmapsShowPixelForPixel)
{
    changeDpi(mainWindow.handle(), 144);
    renderBoard();
    changeDpi(mainWindow.handle(), 96);
    const Pixels board = renderBoard();
    for (int slot = 0; slot < 12; ++slot) {
        const Pixels bitmap = readPixels(loadBitmapResource(113 + slot).get());
        const RECT inside = slotInside(slot, 96);
        EXPECT_EQ(cut(board, inside).values, cut(bitmap, pictureInside(inside, 96)).values)
            << "slot " << slot;
    }
}

TEST_F(MainWindowScale, ANewDpiTakesThePlaceFromTheSuggestionAndTheSizeFromTheLayout)
{
    RECT suggested;
    GetWindowRect(mainWindow.handle(), &suggested);
    OffsetRect(&suggested, 40, 30);
    suggested.right += 1; // the system's rounding, a pixel off
    SendMessageW(mainWindow.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT window;
    GetWindowRect(mainWindow.handle(), &window);
    // 9750 x 7530 twips at 144 DPI, in the frame the system draws at 144 DPI.
    RECT expected{0, 0, 975, 753};
    const auto style = static_cast<DWORD>(GetWindowLongW(mainWindow.handle(), GWL_STYLE));
    AdjustWindowRectExForDpi(&expected, style, FALSE, 0, 144);
    EXPECT_EQ(window.left, suggested.left);
    EXPECT_EQ(window.top, suggested.top);
    EXPECT_EQ(window.right - window.left, expected.right - expected.left);
    EXPECT_EQ(window.bottom - window.top, expected.bottom - expected.top);
}

} // namespace
} // namespace rutschbild::win32

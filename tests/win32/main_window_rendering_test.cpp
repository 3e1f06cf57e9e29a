// What the board paints: the right bitmap in every slot, the hole, and the white lines.
#include "main_window_fixture.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rutschbild::win32 {
namespace {

using MainWindowRendering = MainWindowTest;

constexpr std::uint32_t kWhite = 0xffffff;

// Whether the slot shows the bitmap pixel for pixel; its first row and column, where the
// outline and the grid lines lie, are left out.
::testing::AssertionResult slotShows(const Pixels& board, int slot, const Pixels& bitmap)
{
    const int left = 127 * (slot % 4);
    const int top = 113 * (slot / 4);
    for (int y = 1; y < 112; ++y)
        for (int x = 1; x < 126; ++x)
            if (board.at(left + x, top + y) != bitmap.at(x, y))
                return ::testing::AssertionFailure()
                       << "slot " << slot << " differs at " << x << "," << y;
    return ::testing::AssertionSuccess();
}

// The pixels of gridLine0..4 on the board: the two row lines, then the three column lines.
std::array<std::vector<std::uint32_t>, 5> linePixels(const Pixels& board)
{
    std::array<std::vector<std::uint32_t>, 5> lines;
    for (int x = 0; x < board.width; ++x) {
        lines[0].push_back(board.at(x, 113));
        lines[1].push_back(board.at(x, 226));
    }
    for (int y = 0; y < board.height; ++y)
        for (int column = 1; column < 4; ++column)
            lines[1 + column].push_back(board.at(127 * column, y));
    return lines;
}

bool allWhite(const std::vector<std::uint32_t>& pixels)
{
    for (const std::uint32_t pixel : pixels)
        if (pixel != kWhite)
            return false;
    return true;
}

std::array<Pixels, 12> pictureSet(int first)
{
    std::array<Pixels, 12> set;
    for (int tile = 0; tile < 12; ++tile)
        set[tile] = readPixels(loadBitmapResource(first + tile).get());
    return set;
}

TEST_F(MainWindowRendering, TheBoardShowsEachTilesBitmapAndWhiteLinesOnlyDuringAGame)
{
    const std::array<Pixels, 12> kinder = pictureSet(113);
    Pixels board = renderBoard();
    ASSERT_EQ(board.width, 508);
    ASSERT_EQ(board.height, 339);
    for (int slot = 0; slot < 12; ++slot)
        EXPECT_TRUE(slotShows(board, slot, kinder[slot]));
    for (const auto& line : linePixels(board))
        EXPECT_FALSE(allWhite(line));
    // The board outline always shows.
    EXPECT_EQ(board.at(0, 0), kWhite);
    EXPECT_EQ(board.at(507, 338), kWhite);
    EXPECT_EQ(board.at(200, 338), kWhite);

    click(startButton);
    clickTile(9);
    board = renderBoard();
    for (int tile = 0; tile < 11; ++tile)
        EXPECT_TRUE(slotShows(board, slotOf(tile), kinder[tile])) << "tile " << tile;
    // The hole, now slot 10, shows the window's background.
    EXPECT_EQ(board.at(127 * 2 + 60, 113 * 2 + 60), GetSysColor(COLOR_BTNFACE) & 0xffffff);
    for (const auto& line : linePixels(board))
        EXPECT_TRUE(allWhite(line));

    click(previewButton);
    board = renderBoard();
    for (const auto& line : linePixels(board))
        EXPECT_FALSE(allWhite(line));
}

TEST_F(MainWindowRendering, ChoosingGartenPutsItsBitmapsIntoEverySlot)
{
    // "Kinder" by mouse, then the arrow key down to "Garten".
    mouse(control(pictureList), WM_LBUTTONDOWN, {10, 6});
    mouse(control(pictureList), WM_LBUTTONUP, {10, 6});
    key(VK_DOWN);
    EXPECT_EQ(SendMessageW(control(pictureList), LB_GETCURSEL, 0, 0), 1);
    const std::array<Pixels, 12> garten = pictureSet(101);
    const Pixels board = renderBoard();
    for (int slot = 0; slot < 12; ++slot)
        EXPECT_TRUE(slotShows(board, slot, garten[slot]));
}

// The first and last column with text in the top rows of a picture: pixels far darker than the
// window's background, which frame lines are not.
std::pair<int, int> inkColumns(const Pixels& picture, int rows)
{
    std::pair<int, int> columns{picture.width, -1};
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t pixel = picture.at(x, y);
            if ((pixel & 0xff) + ((pixel >> 8) & 0xff) + (pixel >> 16) < 3 * 128) {
                columns.first = std::min(columns.first, x);
                columns.second = std::max(columns.second, x);
            }
        }
    return columns;
}

// A picture of the window's size in its background colour, with `draw` done on it.
template <typename Draw>
Pixels drawnOnBackground(SIZE size, Draw draw)
{
    HDC screen = GetDC(nullptr);
    const Bitmap bitmap(CreateCompatibleBitmap(screen, size.cx, size.cy));
    const MemoryDc dc(CreateCompatibleDC(screen));
    ReleaseDC(nullptr, screen);
    {
        const Selection selection(dc.get(), bitmap.get());
        const RECT all{0, 0, size.cx, size.cy};
        FillRect(dc.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
        draw(dc.get());
    }
    return readPixels(bitmap.get());
}

TEST_F(MainWindowRendering, FrameTitlesAreDrawnWhole)
{
    for (const auto id : {startModeFrame, pictureFrame}) {
        HWND frame = control(id);
        RECT box;
        GetClientRect(frame, &box);
        const SIZE size{box.right, box.bottom};
        const auto font = reinterpret_cast<HFONT>(SendMessageW(frame, WM_GETFONT, 0, 0));
        const std::wstring title = windowText(frame);
        TEXTMETRICW metrics{};
        const Pixels alone = drawnOnBackground(size, [&](HDC dc) {
            const Selection selection(dc, font);
            GetTextMetricsW(dc, &metrics);
            SetBkMode(dc, TRANSPARENT);
            TextOutW(dc, 0, 0, title.c_str(), static_cast<int>(title.size()));
        });
        const Pixels drawn = drawnOnBackground(size, [&](HDC dc) {
            SendMessageW(frame, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        });
        const auto [aloneLeft, aloneRight] = inkColumns(alone, metrics.tmHeight);
        const auto [left, right] = inkColumns(drawn, metrics.tmHeight);
        ASSERT_GE(aloneRight, 0) << narrow(title);
        EXPECT_EQ(right - left, aloneRight - aloneLeft) << narrow(title) << " cut short";
        EXPECT_LT(right, box.right - 4) << narrow(title) << " runs into the frame's corner";
    }
}

TEST_F(MainWindowRendering, TheFormRepaintsAroundItsControlsAndInsideItsFrames)
{
    EXPECT_NE(GetWindowLongW(mainWindow.handle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
    // Stale pixels over the whole client area, children included, as a window dragged across
    // it can leave them.
    HDC dc = GetDCEx(mainWindow.handle(), nullptr, DCX_CACHE);
    RECT client;
    GetClientRect(mainWindow.handle(), &client);
    const GdiObject<HBRUSH> red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &client, red.get());
    ReleaseDC(mainWindow.handle(), dc);
    RedrawWindow(mainWindow.handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

    dc = GetDCEx(mainWindow.handle(), nullptr, DCX_CACHE);
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    // Inside startModeFrame right of the options, inside pictureFrame left of the list, below it.
    for (const POINT point : {POINT{625, 100}, POINT{530, 165}, POINT{560, 190}})
        EXPECT_EQ(GetPixel(dc, point.x, point.y), background) << point.x << "," << point.y;
    EXPECT_NE(GetPixel(dc, 300, 300), RGB(255, 0, 0)); // the board
    ReleaseDC(mainWindow.handle(), dc);
}

} // namespace
} // namespace rutschbild::win32

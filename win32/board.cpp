#include "board.h"
#include "bitmaps.h"
#include "dpi.h"
#include "form1_layout.h"
#include "window_procedure.h"

#include <windowsx.h>

#include <algorithm>
#include <cassert>
#include <utility>

namespace rutschbild::win32 {

namespace {

constexpr wchar_t kClassName[] = L"RutschbildBoard";

} // namespace

Board::Board(HWND parent, int id, ClickHandler onClick) : onClick_(std::move(onClick))
{
    // No CS_DBLCLKS: every press is a press. The second press of a double-click on a tile that
    // moved lands on the hole it left, so the tile moves once; a quick press on another tile is
    // a click of its own.
    [[maybe_unused]] static const bool registered =
        (registerWindowClass(kClassName, &windowProcedure<Board>, [](WNDCLASSEXW&) {}), true);
    for (int i = 0; i < 12; ++i) {
        tiles_[i].top = layout::tile(i).top;
        tiles_[i].left = layout::tile(i).left;
    }
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                    this);
    assert(window_ != nullptr);
}

LRESULT Board::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window_, &ps);
        paint(dc);
        EndPaint(window_, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        onPress(point);
        return 0;
    case WM_LBUTTONUP:
        onRelease(point);
        return 0;
    case WM_CAPTURECHANGED:
        pressedTile_.reset();
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Board::paint(HDC target)
{
    RECT client;
    GetClientRect(window_, &client);
    const int width = client.right;
    const int height = client.bottom;
    // Everything goes to a memory bitmap first and reaches the screen in one copy.
    MemoryDc canvas(CreateCompatibleDC(target));
    const Bitmap buffer(CreateCompatibleBitmap(target, width, height));
    const Selection bufferSelection(canvas.get(), buffer.get());
    FillRect(canvas.get(), &client, GetSysColorBrush(COLOR_BTNFACE));

    MemoryDc source(CreateCompatibleDC(target));
    for (int i = 0; i < 12; ++i) {
        const Tile& tile = tiles_[i];
        HBITMAP picture = tile.scaled ? tile.scaled.get() : tile.picture.get();
        if (!tile.visible || picture == nullptr)
            continue;
        const RECT place = tileRect(i);
        const Selection pictureSelection(source.get(), picture);
        BitBlt(canvas.get(), place.left, place.top, place.right - place.left,
               place.bottom - place.top, source.get(), 0, 0, SRCCOPY);
    }

    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const int lineWidth = std::max(1, pixelsAtDpi(kTwipsPerPixel, static_cast<int>(dpi_)));
    const RECT board = pixelRect(layout::kShape1, dpi_);
    auto fill = [&](int left, int top, int right, int bottom) {
        const RECT r{left - board.left, top - board.top, right - board.left, bottom - board.top};
        FillRect(canvas.get(), &r, white);
    };
    if (linesVisible_) {
        const int d = static_cast<int>(dpi_);
        for (const layout::TwipLine& line : layout::kLine1) {
            const int x = pixelsAtDpi(line.x1, d);
            const int y = pixelsAtDpi(line.y1, d);
            if (line.y1 == line.y2)
                fill(x, y, pixelsAtDpi(line.x2, d), y + lineWidth);
            else
                fill(x, y, x + lineWidth, pixelsAtDpi(line.y2, d));
        }
    }
    // Shape1: its border lies inside its box.
    fill(board.left, board.top, board.right, board.top + lineWidth);
    fill(board.left, board.bottom - lineWidth, board.right, board.bottom);
    fill(board.left, board.top, board.left + lineWidth, board.bottom);
    fill(board.right - lineWidth, board.top, board.right, board.bottom);

    BitBlt(target, 0, 0, width, height, canvas.get(), 0, 0, SRCCOPY);
}

void Board::onPress(POINT point)
{
    pressedTile_ = tileAt(point);
    SetCapture(window_);
}

void Board::onRelease(POINT point)
{
    const std::optional<int> pressed = pressedTile_;
    const std::optional<int> tile = tileAt(point);
    ReleaseCapture(); // clears pressedTile_ through WM_CAPTURECHANGED
    pressedTile_.reset();
    if (pressed && pressed == tile)
        onClick_(*tile);
}

RECT Board::tileRect(int tile) const
{
    const RECT board = pixelRect(layout::kShape1, dpi_);
    RECT place = pixelRect({tiles_[tile].left, tiles_[tile].top, layout::kTileWidth,
                            layout::kTileHeight},
                           dpi_);
    OffsetRect(&place, -board.left, -board.top);
    return place;
}

std::optional<int> Board::tileAt(POINT point) const
{
    // Topmost first; the lines above the tiles take no clicks.
    for (int i = 11; i >= 0; --i)
        if (tiles_[i].visible) {
            const RECT place = tileRect(i);
            if (PtInRect(&place, point))
                return i;
        }
    return std::nullopt;
}

void Board::redraw() const { InvalidateRect(window_, nullptr, FALSE); }

void Board::setDpi(UINT dpi)
{
    dpi_ = dpi;
    const RECT place = pixelRect(layout::kShape1, dpi);
    SetWindowPos(window_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (Tile& tile : tiles_)
        rescale(tile);
    redraw();
}

void Board::rescale(Tile& tile) const
{
    tile.scaled.reset();
    if (dpi_ == kDesignDpi || !tile.picture)
        return;
    const int d = static_cast<int>(dpi_);
    tile.scaled = createBitmap(scaledSmoothly(readPixels(tile.picture.get()),
                                              pixelsAtDpi(layout::kTileWidth, d),
                                              pixelsAtDpi(layout::kTileHeight, d)));
}

void Board::setPicture(int tile, Bitmap picture)
{
    tiles_[tile].picture = std::move(picture);
    rescale(tiles_[tile]);
    redraw();
}

void Board::placeTile(int tile, int top, int left)
{
    tiles_[tile].top = top;
    tiles_[tile].left = left;
    redraw();
}

void Board::setTileVisible(int tile, bool visible)
{
    tiles_[tile].visible = visible;
    redraw();
}

void Board::setLinesVisible(bool visible)
{
    linesVisible_ = visible;
    redraw();
}

} // namespace rutschbild::win32

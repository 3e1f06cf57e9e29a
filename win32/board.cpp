#include "board.h"
#include "accessible_text.h"
#include "bitmaps.h"
#include "board_accessible.h"
#include "dpi.h"
#include "failure.h"
#include "failure_texts.h"
#include "layout.h"
#include "png_decoder.h"
#include "text.h"
#include "window_procedure.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
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
    for (int slot = 0; slot < kTiles; ++slot) {
        tiles_[slot] = {
            .slot = slot, .top = layout::slotBox(slot).top, .left = layout::slotBox(slot).left};
        toldPlaces_[slot] = slot;
    }
    createWindow(0, kClassName, widen(std::string(kBoardName)).c_str(), WS_CHILD | WS_VISIBLE, 0, 0,
                 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                 GetModuleHandleW(nullptr), this);
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
    case WM_GETOBJECT:
        return accessibleObject(wParam, lParam);
    case WM_DESTROY:
        closeAccessible();
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Board::paint(HDC target)
{
    if (dpi_ != kDesignDpi)
        scalePictures();
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
    for (int i = 0; i < kTiles; ++i) {
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
    const RECT board = pixelRect(layout::kBoardOutline, dpi_);
    auto fill = [&](int left, int top, int right, int bottom) {
        const RECT r{left - board.left, top - board.top, right - board.left, bottom - board.top};
        FillRect(canvas.get(), &r, white);
    };
    if (linesVisible_) {
        const int d = static_cast<int>(dpi_);
        for (int i = 0; i < layout::kGridLineCount; ++i) {
            const layout::TwipLine line = layout::gridLine(i);
            const int x = pixelsAtDpi(line.x1, d);
            const int y = pixelsAtDpi(line.y1, d);
            if (line.y1 == line.y2)
                fill(x, y, pixelsAtDpi(line.x2, d), y + lineWidth);
            else
                fill(x, y, x + lineWidth, pixelsAtDpi(line.y2, d));
        }
    }
    // The outline: its border lies inside its box.
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
    const RECT board = pixelRect(layout::kBoard, dpi_);
    RECT place = pixelRect(
        {tiles_[tile].left, tiles_[tile].top, layout::kTileWidth, layout::kTileHeight}, dpi_);
    OffsetRect(&place, -board.left, -board.top);
    return place;
}

RECT Board::slotRect(int slot) const
{
    const RECT board = pixelRect(layout::kBoard, dpi_);
    RECT place = pixelRect(layout::slotBox(slot), dpi_);
    OffsetRect(&place, -board.left, -board.top);
    return place;
}

std::optional<int> Board::tileInSlot(int slot) const
{
    for (int tile = kTiles - 1; tile >= 0; --tile)
        if (tiles_[tile].visible && tiles_[tile].slot == slot)
            return tile;
    return std::nullopt;
}

std::optional<int> Board::tileAt(POINT point) const
{
    // Topmost first; the lines above the tiles take no clicks.
    for (int i = kTiles - 1; i >= 0; --i)
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
    const RECT place = pixelRect(layout::kBoard, dpi);
    SetWindowPos(window_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (Tile& tile : tiles_)
        tile.scaled.reset();
    redraw();
}

// Above 96 DPI from the pictures drawn at twice the size, which stay sharp where the bitmaps
// would blur; made at the first paint that needs them. Rounding makes some places a pixel wider
// or taller than others, so every picture gets the size of the largest: one a pixel short would
// leave a line of background between two tiles.
void Board::scalePictures()
{
    SIZE size{0, 0};
    for (int slot = 0; slot < kTiles; ++slot) {
        const RECT place = pixelRect(layout::slotBox(slot), dpi_);
        size.cx = std::max(size.cx, place.right - place.left);
        size.cy = std::max(size.cy, place.bottom - place.top);
    }
    std::optional<PngDecoder> decoder; // COM and the imaging component only when needed
    for (Tile& tile : tiles_) {
        if (tile.scaled || !tile.picture)
            continue;
        std::optional<Pixels> source;
        if (dpi_ > kDesignDpi) {
            if (!decoder)
                decoder.emplace();
            source = decoder->decode(tile.pictureNumber + kLargePictureOffset);
        }
        if (!source)
            source = readPixels(tile.picture.get());
        tile.scaled = createBitmap(scaledSmoothly(*source, size.cx, size.cy));
    }
}

void Board::setPicture(int tile, int bitmapNumber)
{
    tiles_[tile].pictureNumber = bitmapNumber;
    tiles_[tile].picture = loadBitmapResource(bitmapNumber);
    if (!tiles_[tile].picture)
        reportFailure(kPictureFailureText);
    tiles_[tile].scaled.reset();
    redraw();
}

void Board::placeTile(int tile, int slot, int top, int left)
{
    const bool moved = tiles_[tile].slot != slot;
    tiles_[tile].slot = slot;
    tiles_[tile].top = top;
    tiles_[tile].left = left;
    redraw();
    if (moved)
        tellChangedPlaces();
}

void Board::setTileVisible(int tile, bool visible)
{
    const bool changed = tiles_[tile].visible != visible;
    tiles_[tile].visible = visible;
    redraw();
    if (changed)
        tellChangedPlaces();
}

void Board::tellChangedPlaces()
{
    bool changed = false;
    for (int slot = 0; slot < kTiles; ++slot) {
        const std::optional<int> now = tileInSlot(slot);
        if (now != toldPlaces_[slot]) {
            toldPlaces_[slot] = now;
            notifyPlaceChanged(window_, slot);
            changed = true;
        }
    }
    if (changed)
        notifyBoardReordered(window_);
}

void Board::announce(const std::string& text) { raiseAlert(window_, alerts_.add(widen(text))); }

void Board::setLinesVisible(bool visible)
{
    linesVisible_ = visible;
    redraw();
}

} // namespace rutschbild::win32

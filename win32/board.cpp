#include "board.h"
#include "accessible_text.h"
#include "bitmaps.h"
#include "board_accessible.h"
#include "colours.h"
#include "dpi.h"
#include "failure.h"
#include "failure_texts.h"
#include "layout.h"
#include "picture_sets.h"
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

Board::Board(HWND parent, int id, const WindowView& view, ClickHandler onClick)
    : view_(view), onClick_(std::move(onClick)), toldPlaces_(view.tileInSlot)
{
    // No CS_DBLCLKS: every press is a press. The second press of a double-click on a tile that
    // moved lands on the hole it left, so the tile moves once; a quick press on another tile is
    // a click of its own.
    [[maybe_unused]] static const bool registered =
        (registerWindowClass(kClassName, &windowProcedure<Board>, [](WNDCLASSEXW&) {}), true);
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
    for (int slot = 0; slot < kTiles; ++slot) {
        const std::optional<int> tile = tileIn(slot);
        if (!tile)
            continue;
        const Picture& shown = pictures_[*tile];
        HBITMAP picture = shown.scaled ? shown.scaled.get() : shown.bitmap.get();
        if (picture == nullptr)
            continue;
        const RECT place = slotRect(slot);
        const Selection pictureSelection(source.get(), picture);
        BitBlt(canvas.get(), place.left, place.top, place.right - place.left,
               place.bottom - place.top, source.get(), 0, 0, SRCCOPY);
    }

    const Brush lineBrush(CreateSolidBrush(colourRef(layout::kBoardLineColour)));
    const int lineWidth = std::max(1, pixelsAtDpi(kTwipsPerPixel, static_cast<int>(dpi_)));
    const RECT board = pixelRect(layout::kBoardOutline, dpi_);
    auto fill = [&](int left, int top, int right, int bottom) {
        const RECT r{left - board.left, top - board.top, right - board.left, bottom - board.top};
        FillRect(canvas.get(), &r, lineBrush.get());
    };
    if (view_.gridLinesVisible) {
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

RECT Board::slotRect(int slot) const
{
    const RECT board = pixelRect(layout::kBoard, dpi_);
    RECT place = pixelRect(layout::slotBox(slot), dpi_);
    OffsetRect(&place, -board.left, -board.top);
    return place;
}

std::optional<int> Board::tileIn(int slot) const
{
    const int tile = view_.tileInSlot[slot];
    return tile == kNoTile ? std::nullopt : std::optional<int>(tile);
}

std::optional<int> Board::tileAt(POINT point) const
{
    // The lines above the tiles take no clicks; the gap has no tile to click.
    for (int slot = 0; slot < kTiles; ++slot) {
        const RECT place = slotRect(slot);
        if (PtInRect(&place, point))
            return tileIn(slot);
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
    for (Picture& picture : pictures_)
        picture.scaled.reset();
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
    for (int piece = 0; piece < kTiles; ++piece) {
        Picture& picture = pictures_[piece];
        if (picture.scaled || !picture.bitmap)
            continue;
        std::optional<Pixels> source;
        if (dpi_ > kDesignDpi) {
            if (!decoder)
                decoder.emplace();
            source = decoder->decode(twiceSizeResourceNumber(view_.pictureSet, piece));
        }
        if (!source)
            source = readPixels(picture.bitmap.get());
        picture.scaled = createBitmap(scaledSmoothly(*source, size.cx, size.cy));
    }
}

// Tile i shows piece i of the view's picture set. The first picture that does not load is reported
// and ends the program.
void Board::loadPictures()
{
    for (int piece = 0; piece < kTiles; ++piece) {
        Picture& picture = pictures_[piece];
        picture.scaled.reset();
        picture.bitmap = loadBitmapResource(bitmapNumber(view_.pictureSet, piece));
        if (!picture.bitmap) {
            reportFailure(kPictureFailureText);
            return;
        }
    }
}

void Board::show(unsigned parts)
{
    if ((parts & kPicturePart) != 0)
        loadPictures();
    if ((parts & (kBoardPart | kRunningPart | kPicturePart)) != 0)
        redraw();
    if ((parts & kBoardPart) != 0)
        tellChangedPlaces();
}

void Board::tellChangedPlaces()
{
    bool changed = false;
    for (int slot = 0; slot < kTiles; ++slot) {
        const int now = view_.tileInSlot[slot];
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

} // namespace rutschbild::win32

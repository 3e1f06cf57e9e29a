#pragma once

// The board of Form1 as one child window: the tiles, the grid lines and the board's outline,
// drawn together without flicker. Each tile keeps its slot and its place in the layout's twips;
// a left press and release on the same tile is that tile's Click. Screen readers see the board's
// places in board order, the tiles as buttons and the gap, and hear its alerts
// (board_accessible.h).
#include "alerts.h"
#include "com.h"
#include "gdi_handles.h"
#include "slots.h"

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace rutschbild::win32 {

class BoardAccessible;

class Board {
public:
    using ClickHandler = std::function<void(int tile)>;

    Board(HWND parent, int id, ClickHandler onClick);
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    HWND handle() const { return window_; } // null when Windows refused the window

    // Places the board window for the given resolution; the pictures follow at the next paint.
    void setDpi(UINT dpi);
    // The tile's picture: the bitmap resource of this number.
    void setPicture(int tile, int bitmapNumber);
    void placeTile(int tile, int slot, int top, int left);
    void setTileVisible(int tile, bool visible);
    void setLinesVisible(bool visible);

    int tileSlot(int tile) const { return tiles_[tile].slot; }
    bool tileVisible(int tile) const { return tiles_[tile].visible; }
    bool linesVisible() const { return linesVisible_; }
    // The shown tile in the slot (the topmost, while Start puts two in one for a moment); none
    // where the gap is.
    std::optional<int> tileInSlot(int slot) const;

    // Tells screen readers a sentence unasked.
    void announce(const std::string& text);

private:
    struct Tile {
        int slot = 0;
        int top = 0; // twips on the form
        int left = 0;
        bool visible = true;
        int pictureNumber = 0;
        Bitmap picture{};
        Bitmap scaled{}; // the picture at the window's resolution; none at 96 DPI
    };

    template <typename Window>
    friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
    friend class BoardAccessible;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC target);
    void onPress(POINT point);
    void onRelease(POINT point);
    void scalePictures();
    RECT tileRect(int tile) const;
    RECT slotRect(int slot) const;
    std::optional<int> tileAt(POINT point) const;
    // Tells listening screen readers of each place whose tile or gap changed.
    void tellChangedPlaces();
    void redraw() const;
    // In board_accessible.cpp: WM_GETOBJECT, and the end of the object it hands out.
    LRESULT accessibleObject(WPARAM flags, LPARAM objectId);
    void closeAccessible();

    HWND window_ = nullptr;
    ClickHandler onClick_;
    UINT dpi_ = 96;
    std::array<Tile, kTiles> tiles_;
    bool linesVisible_ = true;
    std::optional<int> pressedTile_;
    std::array<std::optional<int>, kTiles> toldPlaces_; // each slot's tile as listeners know it
    Alerts alerts_;
    ComPointer<BoardAccessible> accessible_; // made on the first WM_GETOBJECT
    bool accessibleClosed_ = false;
};

} // namespace rutschbild::win32

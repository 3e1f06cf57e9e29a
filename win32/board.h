#pragma once

// The board of the main window as one child window: the tiles, the grid lines and the board's
// outline, drawn together without flicker from the game's view. A left press and release on the
// same tile is that tile's Click. Screen readers see the board's places in board order, the tiles
// as buttons and the gap, and hear its alerts (board_accessible.h).
#include "alerts.h"
#include "com.h"
#include "gdi_handles.h"
#include "slots.h"
#include "window_view.h"

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

    // The view is the game's, read at every paint; it outlives the board. The pictures come with
    // the first show of the picture part.
    Board(HWND parent, int id, const WindowView& view, ClickHandler onClick);
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    HWND handle() const { return window_; } // null when Windows refused the window

    // Places the board window for the given resolution; the pictures follow at the next paint.
    void setDpi(UINT dpi);
    // The view changed in these parts (ViewPart bits).
    void show(unsigned parts);

    // Tells screen readers a sentence unasked.
    void announce(const std::string& text);

private:
    struct Picture {
        Bitmap bitmap{};
        Bitmap scaled{}; // the picture at the window's resolution; none at 96 DPI
    };

    template <typename Window>
    friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
    friend class BoardAccessible;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC target);
    void onPress(POINT point);
    void onRelease(POINT point);
    void loadPictures();
    void scalePictures();
    RECT slotRect(int slot) const;
    // The tile standing in the slot; none for the gap.
    std::optional<int> tileIn(int slot) const;
    std::optional<int> tileAt(POINT point) const;
    // Tells listening screen readers of each place whose tile or gap changed.
    void tellChangedPlaces();
    void redraw() const;
    // In board_accessible_places.cpp: WM_GETOBJECT, and the end of the object it hands out.
    LRESULT accessibleObject(WPARAM flags, LPARAM objectId);
    void closeAccessible();

    HWND window_ = nullptr;
    const WindowView& view_;
    ClickHandler onClick_;
    UINT dpi_ = 96;
    std::array<Picture, kTiles> pictures_; // by piece of the view's picture set
    std::optional<int> pressedTile_;
    // What listening screen readers were last told of each place, so that a change of the view
    // tells them only of the places that changed.
    std::array<int, kTiles> toldPlaces_{};
    Alerts alerts_;
    ComPointer<BoardAccessible> accessible_; // made on the first WM_GETOBJECT
    bool accessibleClosed_ = false;
};

} // namespace rutschbild::win32

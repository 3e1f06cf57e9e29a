#pragma once

// The one window of the game on Windows. It owns the native controls, turns their messages into
// the handlers of GameControl and carries out what those handlers and the game rules ask.
#include "board.h"
#include "front_end.h"
#include "game_control.h"
#include "gdi_handles.h"
#include "layout.h"

#include <windows.h>

#include <memory>

namespace rutschbild::win32 {

// The controls' child window ids follow the table's ids; none is IDOK (1) or IDCANCEL (2), which
// Enter and Escape would press through the dialog manager.
constexpr int kFirstControlId = 1000;
constexpr int controlId(layout::ControlId id) { return kFirstControlId + static_cast<int>(id); }
constexpr int kBoardId = kFirstControlId + static_cast<int>(layout::kControls.size());
constexpr UINT_PTR kPlayClockId = 1;

class Form1 final : private FrontEnd {
public:
    explicit Form1(const Clock& clock);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Null when Windows refused the window (already reported).
    HWND handle() const { return window_; }
    HWND control(layout::ControlId id) const { return GetDlgItem(window_, controlId(id)); }
    const Board& board() const { return *board_; }
    // Win32 cannot be asked whether a timer is set, so the window remembers.
    bool playClockRunning() const { return playClockRunning_; }

    void show(int showCommand);

private:
    template <typename Window>
    friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id, int notification);
    LRESULT onControlColour(HDC dc, HWND control);
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onActivate(bool active, bool minimised);

    // Built in form1_controls.cpp; false when a control could not be made.
    bool createControls();
    void applyDpi();
    static LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR id, DWORD_PTR form);

    // FrontEnd
    void placeTile(int tile, int slot, int top, int left) override;
    void setHoleTileVisible(bool visible) override;
    void setPictureListEnabled(bool enabled) override;
    void setPlayClockRunning(bool running) override;
    void setGridLinesVisible(bool visible) override;
    void setMovesText(const std::string& text) override;
    void setStartTimeText(const std::string& text) override;
    void setPlayTimeText(const std::string& text) override;
    void beep() override;
    void pictureComplete() override;
    void gameStarted() override;
    void tileMoved(int tile, int slot) override;
    void tileDidNotMove(int tile) override;
    void tilePressedWithoutGame(int tile) override;
    void addListItem(const std::string& text) override;
    std::string selectedListItemText() const override;
    void setTilePicture(int tile, int bitmapNumber) override;
    void closeWindow() override;

    void setText(layout::ControlId id, const std::string& text);

    HWND window_ = nullptr;
    UINT dpi_ = 96;
    Font windowFont_;
    Font creditFont_;
    std::unique_ptr<Board> board_;
    HWND focus_ = nullptr; // the control the player had last; it gets the focus back
    bool playClockRunning_ = false;
    GameControl control_;
};

} // namespace rutschbild::win32

#pragma once

// The one window of the game on Windows. It owns the native controls, forwards their messages to
// the game as its actions and draws what the game shows.
#include "board.h"
#include "front_end.h"
#include "game.h"
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

class MainWindow final : private FrontEnd {
public:
    explicit MainWindow(const Clock& clock);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Null when Windows refused the window (already reported).
    HWND handle() const { return window_; }
    HWND controlFor(layout::ControlId id) const { return GetDlgItem(window_, controlId(id)); }
    const WindowView& view() const { return game_.view(); }
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

    // Built in main_window_controls.cpp; false when a control could not be made.
    bool createControls();
    void applyDpi();
    static LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR id, DWORD_PTR window);

    // FrontEnd
    void show(const WindowView& view, unsigned parts) override;
    void beep() override;
    void announce(std::string_view sentence) override;
    void closeWindow() override;

    void setPlayClockRunning(bool running);
    void setText(layout::ControlId id, const std::string& text);

    HWND window_ = nullptr;
    UINT dpi_ = 96;
    Font windowFont_;
    Font creditFont_;
    Brush valueBackground_;
    std::unique_ptr<Board> board_;
    HWND focus_ = nullptr; // the control the player had last; it gets the focus back
    bool playClockRunning_ = false;
    Game game_;
};

} // namespace rutschbild::win32

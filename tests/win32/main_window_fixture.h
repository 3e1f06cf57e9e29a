#pragma once

#include "bitmaps.h"
#include "fake_front_end.h"
#include "layout.h"
#include "main_window.h"
#include "message_loop.h"
#include "text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace rutschbild::win32 {

// A shown main window on a fake clock, driven by messages posted to its real controls and delivered
// through the program's own dispatch (dialog keys included).
class MainWindowTest : public ::testing::Test {
protected:
    using enum layout::ControlId;

    MainWindowTest()
    {
        mainWindow.show(SW_SHOWNORMAL);
        SetForegroundWindow(mainWindow.handle());
        pump();
    }

    ~MainWindowTest() override
    {
        if (IsWindow(mainWindow.handle()))
            DestroyWindow(mainWindow.handle());
        pump(); // takes the quit message of the closed window along
    }

    void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message != WM_QUIT)
                deliver(mainWindow.handle(), message);
    }

    // Delivers messages as they come for a while of real time, the timer's included.
    void pumpFor(DWORD milliseconds)
    {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now),
                                      QS_ALLINPUT);
            pump();
        }
    }

    HWND control(layout::ControlId id) const { return mainWindow.controlFor(id); }
    std::wstring text(layout::ControlId id) const { return windowText(control(id)); }

    void click(layout::ControlId id)
    {
        PostMessageW(control(id), BM_CLICK, 0, 0);
        pump();
    }

    void key(WPARAM virtualKey)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, virtualKey, 0);
        PostMessageW(GetFocus(), WM_KEYUP, virtualKey, 0xC0000000);
        pump();
    }

    void mouse(HWND window, UINT message, POINT point)
    {
        const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
        PostMessageW(window, message, buttons, MAKELPARAM(point.x, point.y));
        pump();
    }

    // The centre of a tile where it stands now, in the board window's pixels.
    POINT tileCentre(int tile) const
    {
        const TwipRect place = layout::slotBox(slotOf(tile));
        return {pixels(place.left - layout::kBoardLeft) + 63,
                pixels(place.top - layout::kBoardTop) + 56};
    }

    void clickTile(int tile)
    {
        const POINT centre = tileCentre(tile);
        mouse(board(), WM_LBUTTONDOWN, centre);
        mouse(board(), WM_LBUTTONUP, centre);
    }

    // A tick of the play clock, as the running timer delivers it.
    void tick()
    {
        if (mainWindow.playClockRunning()) {
            PostMessageW(mainWindow.handle(), WM_TIMER, kPlayClockId, 0);
            pump();
        }
    }

    HWND board() const { return GetDlgItem(mainWindow.handle(), kBoardId); }

    // The slot where the window shows the tile; -1 where it shows it nowhere.
    int slotOf(int tile) const
    {
        const auto& slots = mainWindow.view().tileInSlot;
        const auto found = std::find(slots.begin(), slots.end(), tile);
        return found == slots.end() ? -1 : static_cast<int>(found - slots.begin());
    }

    // The no-game state: clock off, tile 11 shown at home, list enabled, grid lines hidden.
    void expectNoGame() const
    {
        EXPECT_FALSE(mainWindow.playClockRunning());
        EXPECT_EQ(slotOf(11), 11);
        EXPECT_TRUE(IsWindowEnabled(control(pictureList)));
        EXPECT_FALSE(mainWindow.view().gridLinesVisible);
    }

    // The board as it paints itself, through WM_PRINTCLIENT into a bitmap of its size.
    Pixels renderBoard() const
    {
        RECT client;
        GetClientRect(board(), &client);
        HDC screen = GetDC(nullptr);
        const Bitmap bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
        const MemoryDc dc(CreateCompatibleDC(screen));
        ReleaseDC(nullptr, screen);
        {
            const Selection selection(dc.get(), bitmap.get());
            SendMessageW(board(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        }
        return readPixels(bitmap.get());
    }

    testing::FakeClock clock;
    MainWindow mainWindow{clock};
};

} // namespace rutschbild::win32

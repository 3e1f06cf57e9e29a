#pragma once

#include "bitmaps.h"
#include "fake_front_end.h"
#include "form1.h"
#include "layout.h"
#include "message_loop.h"
#include "text.h"

#include <gtest/gtest.h>

#include <string>

namespace rutschbild::win32 {

// A shown Form1 on a fake clock, driven by messages posted to its real controls and delivered
// through the program's own dispatch (dialog keys included).
class Form1Test : public ::testing::Test {
protected:
    using enum layout::ControlId;

    Form1Test()
    {
        form.show(SW_SHOWNORMAL);
        SetForegroundWindow(form.handle());
        pump();
    }

    ~Form1Test() override
    {
        if (IsWindow(form.handle()))
            DestroyWindow(form.handle());
        pump(); // takes the quit message of the closed window along
    }

    void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message != WM_QUIT)
                deliver(form.handle(), message);
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

    HWND control(layout::ControlId id) const { return form.control(id); }
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
        if (form.playClockRunning()) {
            PostMessageW(form.handle(), WM_TIMER, kPlayClockId, 0);
            pump();
        }
    }

    HWND board() const { return GetDlgItem(form.handle(), kBoardId); }

    int slotOf(int tile) const { return form.board().tileSlot(tile); }

    // The no-game state: clock off, tile 11 shown, list enabled, grid lines hidden.
    void expectNoGame() const
    {
        EXPECT_FALSE(form.playClockRunning());
        EXPECT_TRUE(form.board().tileVisible(11));
        EXPECT_TRUE(IsWindowEnabled(control(pictureList)));
        EXPECT_FALSE(form.board().linesVisible());
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
    Form1 form{clock};
};

} // namespace rutschbild::win32

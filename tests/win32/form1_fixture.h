#pragma once

#include "bitmaps.h"
#include "control_ids.h"
#include "fake_window.h"
#include "form1.h"
#include "form1_layout.h"
#include "message_loop.h"
#include "text.h"

#include <gtest/gtest.h>

#include <string>

namespace rutschbild::win32 {

// A shown Form1 on a fake clock, driven by messages posted to its real controls and delivered
// through the program's own dispatch (dialog keys included).
class Form1Test : public ::testing::Test {
protected:
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

    HWND control(int id) const { return form.control(id); }
    std::wstring text(int id) const { return windowText(control(id)); }

    void click(int id)
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
        return {pixels(form.board().tileLeft(tile) - layout::kBoardLeft) + 63,
                pixels(form.board().tileTop(tile) - layout::kBoardTop) + 56};
    }

    void clickTile(int tile)
    {
        const POINT centre = tileCentre(tile);
        mouse(board(), WM_LBUTTONDOWN, centre);
        mouse(board(), WM_LBUTTONUP, centre);
    }

    // A tick of Timer1, as the running timer delivers it.
    void tick()
    {
        if (form.playClockRunning()) {
            PostMessageW(form.handle(), WM_TIMER, kTimer1Id, 0);
            pump();
        }
    }

    HWND board() const { return control(kBoard); }

    int slotOf(int tile) const
    {
        return (form.board().tileTop(tile) - layout::kBoardTop) / layout::kTileHeight * 4 +
               (form.board().tileLeft(tile) - layout::kBoardLeft) / layout::kTileWidth;
    }

    // The no-game state: clock off, tile 11 shown, list enabled, grid lines hidden.
    void expectNoGame() const
    {
        EXPECT_FALSE(form.playClockRunning());
        EXPECT_TRUE(form.board().tileVisible(11));
        EXPECT_TRUE(IsWindowEnabled(control(kLstBilder)));
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

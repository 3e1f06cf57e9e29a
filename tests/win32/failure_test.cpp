// What Windows refuses takes the checked path: the player is told why, and nothing is copied
// into a bitmap that is not there.
#include "bitmaps.h"
#include "failure.h"
#include "fake_front_end.h"
#include "main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace rutschbild::win32 {
namespace {

std::vector<std::string> reported;
void record(std::string_view text) { reported.emplace_back(text); }

std::wstring_view refusedClass;
HWND WINAPI createUnlessRefused(DWORD exStyle, LPCWSTR className, LPCWSTR name, DWORD style, int x,
                                int y, int width, int height, HWND parent, HMENU menu,
                                HINSTANCE instance, LPVOID parameter)
{
    if (className == refusedClass)
        return nullptr;
    return CreateWindowExW(exStyle, className, name, style, x, y, width, height, parent, menu,
                           instance, parameter);
}

HANDLE WINAPI noPicture(HINSTANCE, LPCWSTR, UINT, int, int, UINT) { return nullptr; }

HBITMAP WINAPI noMemory(HDC, const BITMAPINFO*, UINT, void** bits, HANDLE, DWORD)
{
    *bits = nullptr;
    return nullptr;
}

class Failures : public ::testing::Test {
protected:
    Failures() { reportFailure = &record; }
    ~Failures() override
    {
        reportFailure = &showFailureAndExit;
        createWindow = &CreateWindowExW;
        createDibSection = &CreateDIBSection;
        loadImage = &LoadImageW;
        reported.clear();
        // A window that failed in WM_CREATE still posted its quit message.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }

    testing::FakeClock clock;
};

TEST_F(Failures, AWindowOrControlThatWindowsRefusesStopsTheStartWithAMessage)
{
    createWindow = &createUnlessRefused;
    for (const std::wstring_view refused :
         {L"RutschbildMainWindow", L"RutschbildBoard", L"LISTBOX"}) {
        refusedClass = refused;
        const MainWindow mainWindow(clock);
        EXPECT_EQ(mainWindow.handle(), nullptr);
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_EQ(reported.back(),
                  "Rutschbild kann nicht starten: Windows hat das Fenster nicht angelegt.");
        reported.clear();
    }
}

TEST_F(Failures, AMissingPictureAndNoMemoryForOneAreReported)
{
    const MainWindow mainWindow(clock);
    ASSERT_TRUE(reported.empty());
    loadImage = &noPicture;
    const WindowView view;
    Board board(mainWindow.handle(), 1, view, [](int) {});
    board.show(kPicturePart);
    EXPECT_EQ(reported, std::vector<std::string>{"Rutschbild kann nicht weiterlaufen: Ein Bild des "
                                                 "Spiels lässt sich nicht laden."});

    createDibSection = &noMemory;
    EXPECT_FALSE(createBitmap(Pixels{1, 1, {0}}));
    EXPECT_EQ(reported.back(),
              "Rutschbild kann nicht weiterlaufen: Für die Bilder reicht der Speicher nicht.");
    DestroyWindow(board.handle()); // before the board object goes
}

} // namespace
} // namespace rutschbild::win32

// Rutschbild for Windows: one window, its message loop, and nothing read or written elsewhere.
#include "clock.h"
#include "com.h"
#include "main_window.h"
#include "message_loop.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    // Loads the themed controls that the manifest asks for.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const rutschbild::win32::ComApartment apartment;
    const rutschbild::SystemClock clock;
    rutschbild::win32::MainWindow window(clock);
    if (window.handle() == nullptr)
        return 1; // reported
    window.show(showCommand);
    return rutschbild::win32::runMessageLoop(window.handle());
}

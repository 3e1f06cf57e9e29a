#include "com.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The same themed controls as the program: the test executable carries its manifest too.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const rutschbild::win32::ComApartment apartment; // as the program's window thread has
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

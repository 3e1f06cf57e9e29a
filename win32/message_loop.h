#pragma once

#include <windows.h>

namespace rutschbild::win32 {

// Delivers one message; Tab, the arrow keys, Enter and Space on the window's controls go to the
// dialog manager first, as in a dialog box, except Enter on a button, which presses it.
void deliver(HWND window, MSG& message);

// Runs until the window is closed; the result is the program's exit code.
int runMessageLoop(HWND window);

} // namespace rutschbild::win32

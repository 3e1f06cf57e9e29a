#pragma once

// When Windows refuses what the program cannot go on without (a window, a picture, the memory
// for one), the player reads why in a German message box and the program ends with exit code 1.
// Tests swap the reporter, and the system calls to make them fail.
#include "layout.h"
#include "text.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace rutschbild::win32 {

[[noreturn]] inline void showFailureAndExit(std::string_view text)
{
    MessageBoxW(nullptr, widen(std::string(text)).c_str(),
                widen(std::string(layout::kWindowTitle)).c_str(), MB_OK | MB_ICONERROR);
    ExitProcess(1);
}
inline void (*reportFailure)(std::string_view text) = &showFailureAndExit;

inline decltype(&CreateWindowExW) createWindow = &CreateWindowExW;
inline decltype(&CreateDIBSection) createDibSection = &CreateDIBSection;
inline decltype(&LoadImageW) loadImage = &LoadImageW;

} // namespace rutschbild::win32

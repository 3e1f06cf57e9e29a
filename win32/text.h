#pragma once

// The one place where the game's UTF-8 texts meet the wide-character API.
#include <windows.h>

#include <string>

namespace rutschbild::win32 {

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);

// The caption or contents of a window or control.
std::wstring windowText(HWND window);

} // namespace rutschbild::win32

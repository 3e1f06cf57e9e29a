#pragma once

// Scaling the twip layout to the pixels of a window's monitor. The per-monitor functions exist
// from Windows 10 on; older systems get the system-wide resolution.
#include "twips.h"

#include <windows.h>

namespace rutschbild::win32 {

constexpr UINT kDesignDpi = 96;

UINT windowDpi(HWND window);

// The rectangle of a twip box in pixels; neighbouring boxes stay without gaps at every DPI.
RECT pixelRect(const TwipRect& box, UINT dpi);

// The outer size of a window whose client area is the given twips.
SIZE windowSizeForClient(int widthTwips, int heightTwips, DWORD style, DWORD exStyle, UINT dpi);

// A font height in points as the negative pixel height that CreateFontW wants.
int fontHeight(double points, UINT dpi);

} // namespace rutschbild::win32

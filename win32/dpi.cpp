#include "dpi.h"

#include <cmath>

namespace rutschbild::win32 {

namespace {

template <typename Function>
Function user32Function(const char* name)
{
    // Cast through a generic function pointer: GetProcAddress does not know the signature.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

UINT windowDpi(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr)
        return getDpiForWindow(window);
    HDC screen = GetDC(nullptr);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT pixelRect(const TwipRect& box, UINT dpi)
{
    const int d = static_cast<int>(dpi);
    return {pixelsAtDpi(box.left, d), pixelsAtDpi(box.top, d), pixelsAtDpi(box.left + box.width, d),
            pixelsAtDpi(box.top + box.height, d)};
}

SIZE windowSizeForClient(int widthTwips, int heightTwips, DWORD style, DWORD exStyle, UINT dpi)
{
    const int d = static_cast<int>(dpi);
    RECT bounds{0, 0, pixelsAtDpi(widthTwips, d), pixelsAtDpi(heightTwips, d)};
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr)
        adjustForDpi(&bounds, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&bounds, style, FALSE, exStyle);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

int fontHeight(double points, UINT dpi)
{
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

} // namespace rutschbild::win32

#pragma once

// The static window procedure shared by the program's window classes. Each window keeps its
// C++ object with it (GWLP_USERDATA, taken from the creation parameter on WM_NCCREATE); the
// procedure forwards every message to that object's onMessage and forgets the object once the
// window is gone, so a late message can never reach a destroyed object; the system gets the last
// message for its own clean-up.
#include <windows.h>

namespace rutschbild::win32 {

template <typename Window>
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* object =
            static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        object->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    }
    auto* object = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (object == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        object->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return object->onMessage(message, wParam, lParam);
}

// Registers a window class once per process; `fill` sets what differs from the defaults.
template <typename Fill>
void registerWindowClass(const wchar_t* name, WNDPROC procedure, Fill fill)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    fill(windowClass);
    RegisterClassExW(&windowClass);
}

} // namespace rutschbild::win32

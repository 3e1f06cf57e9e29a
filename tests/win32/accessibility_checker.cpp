// Looks at a running Rutschbild from another process, as a screen reader does: finds the window,
// asks the board for its accessible object and checks the twelve tile buttons. Then it presses
// the tiles whose child ids are its arguments, one after the other. With "alert" first it
// listens for alerts while it does and wants to hear "Das Bild ist vollständig." from an alert
// object. Exit code 0 when all is as expected.
#include "msaa_client.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

using namespace rutschbild::win32;

bool alertHeard = false;

void CALLBACK onAlert(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG id, DWORD, DWORD)
{
    IAccessible* raw = nullptr;
    VARIANT child;
    if (FAILED(AccessibleObjectFromEvent(window, object, id, &raw, &child)))
        return;
    const ComPointer<IAccessible> alert(raw);
    alertHeard = alertHeard || (nameOf(*alert, child.lVal) == L"Das Bild ist vollständig." &&
                                roleOf(*alert, child.lVal) == ROLE_SYSTEM_ALERT);
}

int check(HWND board, int pressCount, wchar_t** presses)
{
    const ComPointer<IAccessible> object = clientObject(board);
    if (!object) {
        std::puts("no accessible object for the board");
        return 3;
    }
    LONG count = 0;
    object->get_accChildCount(&count);
    bool right = nameOf(*object) == L"Bild" && count == 12;
    for (LONG id = 1; id <= 12; ++id)
        right = right && nameOf(*object, id) == L"Bildteil " + std::to_wstring(id) &&
                roleOf(*object, id) == ROLE_SYSTEM_PUSHBUTTON;
    std::printf("board \"%ls\" with %ld children, named %s\n", nameOf(*object).c_str(), count,
                right ? "as expected" : "wrongly");
    if (!right)
        return 4;
    for (int i = 0; i < pressCount; ++i)
        if (FAILED(object->accDoDefaultAction(child(std::wcstol(presses[i], nullptr, 10))))) {
            std::printf("pressing child %ls failed\n", presses[i]);
            return 5;
        }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    HWND form = FindWindowW(L"RutschbildForm1", L"Rutschbild");
    HWND board = form ? FindWindowExW(form, nullptr, L"RutschbildBoard", nullptr) : nullptr;
    if (board == nullptr) {
        std::puts("no Rutschbild window");
        return 2;
    }
    const ComApartment apartment;
    const bool listen = argc > 1 && std::wcscmp(argv[1], L"alert") == 0;
    DWORD process = 0;
    GetWindowThreadProcessId(form, &process);
    const HWINEVENTHOOK hook =
        listen ? SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, onAlert, process,
                                 0, WINEVENT_OUTOFCONTEXT)
               : nullptr;
    const int result = check(board, argc - 1 - listen, argv + 1 + listen);
    // Out-of-context events arrive as messages of this thread.
    for (const ULONGLONG end = GetTickCount64() + 5000;
         listen && !alertHeard && GetTickCount64() < end;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
    if (hook != nullptr)
        UnhookWinEvent(hook);
    if (listen)
        std::printf("alert %s\n", alertHeard ? "heard" : "not heard");
    return result != 0 || !listen || alertHeard ? result : 6;
}

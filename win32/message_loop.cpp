#include "message_loop.h"

namespace rutschbild::win32 {

namespace {

// Asked as the dialog manager asks.
bool isPushButton(HWND control)
{
    return (SendMessageW(control, WM_GETDLGCODE, 0, 0) &
            (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// Enter and the keypad's Enter on a push button of the window press that button; the dialog manager
// would press only a default button, and the window has none. A held key presses once, as Space
// does. Whether the message was such a key.
bool pressFocusedButton(HWND window, const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN ||
        !IsChild(window, message.hwnd) || !isPushButton(message.hwnd))
        return false;
    const bool repeated = (message.lParam & (1 << 30)) != 0;
    if (!repeated)
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(message.hwnd), BN_CLICKED),
                     reinterpret_cast<LPARAM>(message.hwnd));
    return true;
}

} // namespace

void deliver(HWND window, MSG& message)
{
    if (window != nullptr && IsWindow(window) &&
        (pressFocusedButton(window, message) || IsDialogMessageW(window, &message)))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop(HWND window)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        deliver(window, message);
    return static_cast<int>(message.wParam);
}

} // namespace rutschbild::win32

#include "message_loop.h"

namespace rutschbild::win32 {

void deliver(HWND form, MSG& message)
{
    if (form != nullptr && IsWindow(form) && IsDialogMessageW(form, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop(HWND form)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        deliver(form, message);
    return static_cast<int>(message.wParam);
}

} // namespace rutschbild::win32

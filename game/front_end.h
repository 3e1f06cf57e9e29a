#pragma once

#include "window_view.h"

#include <string_view>

namespace rutschbild {

// Everything the game asks of a window (the Qt window, the Win32 window, the web page, or a
// test's fake). Within one action the game first shows the new view, then plays its beeps, then
// says its sentences, in that order.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // The window shows this now; parts (ViewPart bits) says what changed since the last call.
    virtual void show(const WindowView& view, unsigned parts) = 0;
    // One system beep; the win plays three straight after the move's one.
    virtual void beep() = 0;
    // A sentence for a screen reader: every one is said, once, in the order given.
    virtual void announce(std::string_view sentence) = 0;
    // Closing the only window ends the program.
    virtual void closeWindow() = 0;
};

} // namespace rutschbild

#pragma once

// The sentences screen readers hear unasked, each raised as an alert child of the board. A reader
// asks for an alert's text when it takes up the event, after the press that raised it has
// returned; so each alert keeps its text until kCount more sentences have been said, and the last
// move's and the win's, raised by one press, still read as two.
#include "slots.h"

#include <windows.h>

#include <array>
#include <string>
#include <utility>

namespace rutschbild::win32 {

class Alerts {
public:
    static constexpr int kCount = 4;
    // Past the board's twelve places.
    static constexpr LONG kFirstChild = kTiles + 1;

    static bool isAlert(LONG child) { return child >= kFirstChild && child < kFirstChild + kCount; }

    // The child id of the alert that says the text now.
    LONG add(std::wstring text)
    {
        const int alert = next_;
        texts_[alert] = std::move(text);
        next_ = (next_ + 1) % kCount;
        return kFirstChild + alert;
    }

    // Empty for an alert that has said nothing yet.
    const std::wstring& text(LONG child) const { return texts_[child - kFirstChild]; }

private:
    std::array<std::wstring, kCount> texts_;
    int next_ = 0;
};

} // namespace rutschbild::win32

#pragma once

#include "dom.h"

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace rutschbild::web {

// The page's polite live region: what a screen reader says after Start, a press and the win. It
// says a sentence once it has finished what it was saying. One sentence at a time; the win's
// replaces the last move's.
class LiveRegion {
public:
    LiveRegion();

    void announce(std::string_view sentence);

private:
    emscripten::val region_;
    // Longer than Chromium's 150 ms between two accessibility trees.
    static constexpr int kDelayMilliseconds = 200;
    std::string pending_;
    dom::Timeout delay_;
};

} // namespace rutschbild::web

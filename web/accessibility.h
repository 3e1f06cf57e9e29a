#pragma once

#include "dom.h"

#include <emscripten/val.h>

#include <deque>
#include <string>
#include <string_view>

namespace rutschbild::web {

// The page's polite live region: what a screen reader says after Start, a press and the win. It
// says a sentence once it has finished what it was saying; every sentence of a press is said, in
// order, and a new press drops what an earlier one still had to say.
class LiveRegion {
public:
    LiveRegion();

    void announce(std::string_view sentence);

private:
    void nextStep();

    emscripten::val region_;
    // Longer than Chromium's 150 ms between two accessibility trees.
    static constexpr int kDelayMilliseconds = 200;
    std::deque<std::string> pending_; // in the order they were said
    bool stepping_ = false;           // a step below waits for its delay
    bool emptied_ = false;            // the region was emptied for the next sentence
    bool inPress_ = false;            // sentences come from the press being handled now
    dom::Timeout delay_;
    dom::Timeout pressEnd_; // runs once the handler that said them has returned
};

} // namespace rutschbild::web

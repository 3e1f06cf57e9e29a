#pragma once

#include "fake_clock.h"
#include "front_end.h"

#include <string>
#include <vector>

namespace rutschbild::testing {

// A front end without a toolkit: it records every call, in order, as one readable line each,
// and keeps the last view it was shown.
class FakeFrontEnd final : public FrontEnd {
public:
    void show(const WindowView& view, unsigned parts) override;
    void beep() override;
    void announce(std::string_view sentence) override;
    void closeWindow() override;

    // "show board running picture texts" (the parts that changed), "beep", "say Neues Spiel.",
    // "close".
    std::vector<std::string> log;
    WindowView shown; // a fresh window shows what a new game's view holds
    int beeps = 0;
    std::vector<std::string> said;
    bool closed = false;
};

// The board of a view as a reader sees it, row by row, the gap as a dot: "1 10 4 2 / 3 0 7 6 /
// 5 8 9 .".
std::string boardText(const WindowView& view);

// The designed twip places of the slots, spelled out as the window is drawn.
int designedTop(int slot);
int designedLeft(int slot);

} // namespace rutschbild::testing

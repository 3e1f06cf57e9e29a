#pragma once

#include "clock.h"
#include "window_operations.h"

#include <string>
#include <vector>

namespace rutschbild::testing {

// Records every window operation, in order, as one readable line each ("place 3 2295 120"),
// and keeps the state a real window would show.
class FakeWindow final : public WindowOperations {
public:
    struct Place {
        int top = 0;
        int left = 0;
    };

    void placeTile(int tile, int top, int left) override;
    void setTile11Visible(bool visible) override;
    void setPictureListEnabled(bool enabled) override;
    void setPlayClockRunning(bool running) override;
    void setGridLinesVisible(bool visible) override;
    std::string movesText() const override { return moves; }
    void setMovesText(const std::string& text) override;
    void setStartTimeText(const std::string& text) override;
    void beep() override;

    std::vector<std::string> log;
    Place tiles[12]{};
    bool tile11Visible = true;
    bool listEnabled = true;
    bool clockRunning = false;
    bool linesVisible = true;
    std::string moves;
    std::string startTime;
    int beeps = 0;
};

class FakeClock final : public Clock {
public:
    LocalDateTime localNow() const override { return local; }
    std::int64_t monotonicMilliseconds() const override { return monotonic; }

    void set(int hour, int minute, int second)
    {
        local.hour = hour;
        local.minute = minute;
        local.second = second;
    }

    LocalDateTime local{2026, 12, 8, 10, 0, 0};
    std::int64_t monotonic = 0;
};

// The designed twip places of the slots, as the window lays out its tiles.
int designedTop(int slot);
int designedLeft(int slot);

} // namespace rutschbild::testing

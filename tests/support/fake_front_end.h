#pragma once

#include "clock.h"
#include "front_end.h"
#include "game.h"

#include <string>
#include <vector>

namespace rutschbild::testing {

// A front end without a toolkit: it records every call, in order, as one readable line each
// ("place 3 4 2295 120"), and keeps what a real window would show.
class FakeFrontEnd final : public FrontEnd {
public:
    FakeFrontEnd();

    void placeTile(int tile, int slot, int top, int left) override;
    void setHoleTileVisible(bool visible) override;
    void setPictureListEnabled(bool enabled) override;
    void setPlayClockRunning(bool running) override;
    void setGridLinesVisible(bool visible) override;
    void setMovesText(const std::string& text) override;
    void setStartTimeText(const std::string& text) override;
    void setPlayTimeText(const std::string& text) override;
    void beep() override;
    void pictureComplete() override;
    void gameStarted() override;
    void gameEnded() override;
    void tileMoved(int tile, int slot) override;
    void tileDidNotMove(int tile) override;
    void tilePressedWithoutGame(int tile) override;
    void addListItem(const std::string& text) override;
    std::string selectedListItemText() const override;
    void setTilePicture(int tile, int bitmapNumber) override;
    void closeWindow() override;

    std::vector<std::string> log;
    // What a screen reader would be told, apart from the window's own changes in log:
    // "started", "ended", "moved 6 11", "stayed 3", "no game 3".
    std::vector<std::string> told;
    TwipPoint tiles[12]{};
    int tileSlots[12]{};
    bool holeTileVisible = true;
    bool listEnabled = true;
    bool clockRunning = false;
    bool linesVisible = true;
    std::string moves;
    std::string startTime;
    std::string playTime;
    int beeps = 0;
    int picturesCompleted = 0;
    std::vector<std::string> listItems;
    int selectedItem = -1;
    int pictures[12]{};
    bool closed = false;
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

// The designed twip places of the slots, spelled out as the window is drawn.
int designedTop(int slot);
int designedLeft(int slot);

} // namespace rutschbild::testing

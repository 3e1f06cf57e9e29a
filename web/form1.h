#pragma once

#include "beeper.h"
#include "board.h"
#include "dom.h"
#include "front_end.h"
#include "game_control.h"

#include <emscripten/val.h>

#include <deque>
#include <string>

namespace rutschbild::web {

// The one window of the game as the page's #Form1. It turns the page's events into the handlers
// of GameControl and carries out what those handlers and the game rules ask of the window.
class Form1 final : private FrontEnd {
public:
    explicit Form1(const Clock& clock);

private:
    void connectEvents();

    void placeTile(int tile, int slot, int top, int left) override
    {
        board_.placeTile(tile, slot, top, left);
    }
    void setHoleTileVisible(bool visible) override { board_.setTileVisible(kHoleTile, visible); }
    void setPictureListEnabled(bool enabled) override;
    void setPlayClockRunning(bool running) override;
    void setGridLinesVisible(bool visible) override { board_.setGridLinesVisible(visible); }
    void setMovesText(const std::string& text) override;
    void setStartTimeText(const std::string& text) override;
    void setPlayTimeText(const std::string& text) override;
    void beep() override { beeper_.beep(); }
    void pictureComplete() override;
    void gameStarted() override;
    void gameEnded() override { board_.setTilesEnabled(false); }
    void tileMoved(int tile, int slot) override;
    void tileDidNotMove(int tile) override;
    void tilePressedWithoutGame(int tile) override;
    void addListItem(const std::string& text) override;
    std::string selectedListItemText() const override;
    void setTilePicture(int tile, int bitmapNumber) override
    {
        board_.setTilePicture(tile, bitmapNumber);
    }
    void closeWindow() override;
    void announce(const std::string& text);

    emscripten::val form1_;
    Board board_;
    emscripten::val pictureList_;
    emscripten::val announce_; // what a screen reader tells after a press, Start and the win
    emscripten::val farewell_;
    dom::Interval playClock_;
    // Longer than Chromium's 150 ms between two accessibility trees (announce).
    static constexpr int kAnnouncementDelayMilliseconds = 200;
    void nextAnnouncementStep();
    std::deque<std::string> pendingAnnouncements_; // in the order they were said
    bool announcing_ = false;      // a step of the sentences below is waiting for its delay
    bool announceEmptied_ = false; // the region was emptied for the next sentence
    dom::Timeout announcementDelay_;
    WebAudioBeeper beeper_;
    dom::EventListeners listeners_;
    GameControl control_;
};

} // namespace rutschbild::web

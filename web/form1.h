#pragma once

#include "beeper.h"
#include "board.h"
#include "dom.h"
#include "front_end.h"
#include "game_control.h"
#include "timer.h"

#include <emscripten/val.h>

namespace rutschbild {

// The one window of the game as the page's #Form1. It turns the page's events into the handlers
// of GameControl and carries out what those handlers and the game rules ask of the window.
class Form1 final : private FrontEnd {
public:
    explicit Form1(const Clock& clock);

private:
    void connectEvents();
    void tileClicked(int tile);
    void showFarewell();

    // WindowOperations
    void placeTile(int tile, int top, int left) override;
    void setTile11Visible(bool visible) override;
    void setPictureListEnabled(bool enabled) override;
    void setPlayClockRunning(bool running) override;
    void setGridLinesVisible(bool visible) override;
    std::string movesText() const override;
    void setMovesText(const std::string& text) override;
    void setStartTimeText(const std::string& text) override;
    void beep() override;

    // FrontEnd
    int tileTop(int tile) const override;
    int tileLeft(int tile) const override;
    void addListItem(const std::string& text) override;
    std::string selectedListItemText() const override;
    void setTilePicture(int tile, int bitmapNumber) override;
    void setPlayTimeText(const std::string& text) override;
    void closeWindow() override;

    emscripten::val form1_;
    Board board_;
    emscripten::val lstBilder_;
    emscripten::val lblStartzeit_;
    emscripten::val lblSpielzeit_;
    emscripten::val lblBewegungen_;
    emscripten::val announce_; // tells screen readers once that the picture is complete
    emscripten::val farewell_;
    IntervalTimer timer1_;
    WebAudioBeeper beeper_;
    dom::EventListeners listeners_;
    GameControl control_;
};

} // namespace rutschbild

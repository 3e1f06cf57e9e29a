#pragma once

#include "accessibility.h"
#include "board.h"
#include "dom.h"
#include "front_end.h"
#include "game.h"
#include "layout.h"
#include "sound.h"

#include <emscripten/val.h>

namespace rutschbild::web {

// The one window of the game as the page's #mainWindow. It forwards the page's events to the
// game as its actions and draws what the game shows.
class MainWindow final : private FrontEnd {
public:
    explicit MainWindow(const Clock& clock);

    // The page's element of a control in the table.
    static emscripten::val controlFor(layout::ControlId id);

private:
    void connectEvents();
    void connectBoard();
    void fillPictureList();

    void show(const WindowView& view, unsigned parts) override;
    void beep() override { beeper_.beep(); }
    void announce(std::string_view sentence) override { liveRegion_.announce(sentence); }
    void closeWindow() override;

    emscripten::val window_;
    Board board_;
    emscripten::val pictureList_;
    emscripten::val farewell_;
    dom::Interval playClock_;
    LiveRegion liveRegion_;
    WebAudioBeeper beeper_;
    dom::EventListeners listeners_;
    Game game_;
};

} // namespace rutschbild::web

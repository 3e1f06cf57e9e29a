// The window's events as the game's actions, and the game's view on the page's controls.
#include "main_window.h"
#include "picture_sets.h"

#include <string>

namespace rutschbild::web {

using emscripten::val;
using layout::ControlId;

MainWindow::MainWindow(const Clock& clock)
    : window_(dom::element("mainWindow")), pictureList_(controlFor(ControlId::pictureList)),
      farewell_(dom::element("farewell")),
      playClock_(layout::kPlayClockIntervalMilliseconds, [this] { game_.tick(); }),
      game_(*this, clock)
{
    fillPictureList();
    controlFor(layout::kInitiallyChosenOption).set("checked", true);
    connectEvents();
    show(game_.view(), kAllParts);
}

val MainWindow::controlFor(ControlId id)
{
    return dom::element(std::string(layout::control(id).name));
}

// The page comes with the first items, shown from the start; the program adds the others.
void MainWindow::fillPictureList()
{
    for (int set = pictureList_["options"]["length"].as<int>(); set < kPictureSetCount; ++set) {
        val option = val::global("document").call<val>("createElement", std::string("option"));
        dom::setText(option, std::string(kPictureSets[set].name));
        pictureList_.call<void>("append", option);
    }
}

void MainWindow::connectEvents()
{
    // Ahead of every click's own handler, so the first beep finds its audio context ready.
    const auto prepareAudio = [this] { beeper_.prepare(); };
    listeners_.listen(val::global("window"), "click", prepareAudio, true);

    listeners_.listen(controlFor(ControlId::startButton), "click", [this] { game_.start(); });
    listeners_.listen(controlFor(ControlId::previewButton), "click", [this] { game_.preview(); });
    listeners_.listen(controlFor(ControlId::quitButton), "click", [this] { game_.quit(); });
    // The browser checks an option on a click and on an arrow key alike; either chooses it.
    for (std::size_t mode = 0; mode < layout::kStartModeOptions.size(); ++mode) {
        listeners_.listen(controlFor(layout::kStartModeOptions[mode]), "change",
                          [this, mode] { game_.chooseStartMode(static_cast<StartMode>(mode)); });
    }
    // A new choice, by mouse, touch or arrow key, chooses the picture.
    listeners_.listen(pictureList_, "change", [this] {
        const int set = pictureList_["selectedIndex"].as<int>();
        if (set >= 0 && set < kPictureSetCount)
            game_.choosePicture(set);
    });
    listeners_.listen(dom::element("restart"), "click",
                      [] { val::global("location").call<void>("reload"); });
    connectBoard();
}

void MainWindow::connectBoard()
{
    // The browser finds the tile under the pointer at each click, so the second click of a
    // double click lands on whatever stands there by then.
    for (int i = 0; i < kTiles; ++i)
        listeners_.listen(board_.tile(i), "click", [this, i] { game_.pressTile(i); });
    // The keyboard's way onto the board, from a cell or from a tile; keys with Ctrl, Alt or Meta
    // stay the browser's. A tile's own Space and Enter are cancelled with the key, so a press
    // clicks once.
    listeners_.listenToEvent(board_.element(), "keydown", [this](const val& event) {
        for (const char* modifier : {"altKey", "ctrlKey", "metaKey"}) {
            if (event[modifier].as<bool>())
                return;
        }
        const Board::KeyUse use =
            board_.keyPressed(game_.view(), event["key"].as<std::string>(), event["target"]);
        if (use == Board::KeyUse::gapPressed)
            game_.pressGap();
        if (use != Board::KeyUse::none)
            event.call<void>("preventDefault");
    });
    for (int i = 0; i < kTiles; ++i) {
        listeners_.listen(board_.cell(i), "focus", [this, i] { board_.cellFocused(i); });
        listeners_.listen(board_.tile(i), "focus",
                          [this, i] { board_.tileFocused(game_.view(), i); });
    }
}

void MainWindow::show(const WindowView& view, unsigned parts)
{
    board_.show(view, parts);
    if ((parts & kRunningPart) != 0) {
        pictureList_.set("disabled", !view.pictureListEnabled);
        view.playClockRunning ? playClock_.start() : playClock_.stop();
    }
    if ((parts & kPicturePart) != 0 && pictureList_["selectedIndex"].as<int>() != view.pictureSet)
        pictureList_.set("selectedIndex", view.pictureSet);
    if ((parts & kTextsPart) != 0) {
        dom::setText(controlFor(ControlId::startTimeValue), view.startTimeText);
        dom::setText(controlFor(ControlId::playTimeValue), view.playTimeText);
        dom::setText(controlFor(ControlId::movesValue), view.movesText);
    }
}

// A page may close only a tab that a script opened or one with nothing to go back to; asking
// for more only earns a console warning. Where the tab stays, the window goes and a farewell
// takes its place.
void MainWindow::closeWindow()
{
    const val window = val::global("window");
    if (window["opener"].as<bool>() || val::global("history")["length"].as<int>() <= 1)
        window.call<void>("close");
    playClock_.stop();
    dom::setHidden(window_, true);
    dom::setHidden(farewell_, false);
    dom::element("restart").call<void>("focus");
}

} // namespace rutschbild::web

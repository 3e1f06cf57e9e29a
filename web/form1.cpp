// Form1's events and the window operations on the page's controls.
#include "form1.h"
#include "accessible_text.h"
#include "layout.h"

#include <string>

namespace rutschbild::web {

using emscripten::val;
using layout::ControlId;

namespace {

val element(ControlId id) { return dom::element(std::string(layout::control(id).name)); }

} // namespace

Form1::Form1(const Clock& clock)
    : form1_(dom::element("Form1")), pictureList_(element(ControlId::pictureList)),
      announce_(dom::element("announce")), farewell_(dom::element("farewell")),
      playClock_(layout::kPlayClockIntervalMilliseconds, [this] { control_.playClockTicked(); }),
      announcementDelay_(kAnnouncementDelayMilliseconds, [this] { nextAnnouncementStep(); }),
      control_(*this, clock)
{
    connectEvents();
    control_.load();
}

void Form1::connectEvents()
{
    // Ahead of every click's own handler, so the first beep finds its audio context ready.
    const auto prepareAudio = [this] { beeper_.prepare(); };
    listeners_.listen(val::global("window"), "click", prepareAudio, true);

    listeners_.listen(element(ControlId::startButton), "click",
                      [this] { control_.startClicked(); });
    listeners_.listen(element(ControlId::previewButton), "click",
                      [this] { control_.previewClicked(); });
    listeners_.listen(element(ControlId::quitButton), "click", [this] { control_.quitClicked(); });
    // The browser checks an option on a click and on an arrow key alike; either is its Click.
    for (std::size_t mode = 0; mode < layout::kStartModeOptions.size(); ++mode) {
        listeners_.listen(element(layout::kStartModeOptions[mode]), "change",
                          [this, mode] { control_.startModeClicked(static_cast<int>(mode)); });
    }
    // The browser finds the tile under the pointer at each click, so the second click of a
    // double click lands on whatever stands there by then.
    for (int i = 0; i < kTiles; ++i)
        listeners_.listen(board_.tile(i), "click", [this, i] { control_.tileClicked(i); });
    // The keyboard's way onto the board, from a cell or from a tile; keys with Ctrl, Alt or Meta
    // stay the browser's. A tile's own Space and Enter are cancelled with the key, so a press
    // clicks once.
    listeners_.listenToEvent(board_.element(), "keydown", [this](const val& event) {
        for (const char* modifier : {"altKey", "ctrlKey", "metaKey"}) {
            if (event[modifier].as<bool>())
                return;
        }
        const Board::KeyUse use =
            board_.keyPressed(event["key"].as<std::string>(), event["target"]);
        if (use == Board::KeyUse::gapPressed)
            announce(std::string(kGapPressedText));
        if (use != Board::KeyUse::none)
            event.call<void>("preventDefault");
    });
    for (int i = 0; i < kTiles; ++i) {
        listeners_.listen(board_.cell(i), "focus", [this, i] { board_.cellFocused(i); });
        listeners_.listen(board_.tile(i), "focus", [this, i] { board_.tileFocused(i); });
    }
    // A new choice, by mouse, touch or arrow key, is the list's Click.
    listeners_.listen(pictureList_, "change", [this] { control_.pictureListClicked(); });
    listeners_.listen(dom::element("restart"), "click",
                      [] { val::global("location").call<void>("reload"); });
}

void Form1::setPictureListEnabled(bool enabled) { pictureList_.set("disabled", !enabled); }

void Form1::setPlayClockRunning(bool running) { running ? playClock_.start() : playClock_.stop(); }

void Form1::setMovesText(const std::string& text)
{
    dom::setText(element(ControlId::movesValue), text);
}

void Form1::setStartTimeText(const std::string& text)
{
    dom::setText(element(ControlId::startTimeValue), text);
}

void Form1::setPlayTimeText(const std::string& text)
{
    dom::setText(element(ControlId::playTimeValue), text);
}

// The polite live region: a screen reader says it once it has finished what it was saying.
// Chromium tells a screen reader what changed between two of its accessibility trees, which it
// builds at most every 150 ms: a sentence written over itself changes nothing and goes unsaid,
// and of two written within one tree only the last is said. So the region is emptied first and
// each sentence written once a tree has seen it empty, one at a time, in order: the same sentence
// twice is said twice, and the winning move's sentence is not lost to the win's.
void Form1::announce(const std::string& text)
{
    pendingAnnouncements_.push_back(text);
    if (announcing_)
        return;
    dom::setText(announce_, "");
    announceEmptied_ = true;
    announcing_ = true;
    announcementDelay_.start();
}

// A delay after the region was emptied, the next sentence; while more wait, the region is
// emptied again a delay later. The last sentence stays on.
void Form1::nextAnnouncementStep()
{
    if (announceEmptied_) {
        dom::setText(announce_, pendingAnnouncements_.front());
        pendingAnnouncements_.pop_front();
    } else {
        dom::setText(announce_, "");
    }
    announceEmptied_ = !announceEmptied_;
    announcing_ = !pendingAnnouncements_.empty();
    if (announcing_)
        announcementDelay_.start();
}

void Form1::tilePressedWithoutGame(int /*tile*/) { announce(std::string(kNoGameRunningText)); }

void Form1::pictureComplete() { announce(std::string(kPictureCompleteText)); }

void Form1::gameStarted()
{
    board_.setTilesEnabled(true);
    announce(std::string(kGameStartedText));
}

void Form1::tileMoved(int tile, int slot) { announce(tileMovedText(tile, slot)); }

void Form1::tileDidNotMove(int tile) { announce(tileDidNotMoveText(tile)); }

// The page comes with the first item, shown from the start; the program adds the others.
void Form1::addListItem(const std::string& text)
{
    const val options = pictureList_["options"];
    for (int i = 0; i < options["length"].as<int>(); ++i) {
        if (options[i]["text"].as<std::string>() == text)
            return;
    }
    val option = val::global("document").call<val>("createElement", std::string("option"));
    dom::setText(option, text);
    pictureList_.call<void>("append", option);
}

// An item's value is its text.
std::string Form1::selectedListItemText() const { return pictureList_["value"].as<std::string>(); }

// A page may close only a tab that a script opened or one with nothing to go back to; asking
// for more only earns a console warning. Where the tab stays, the window goes and a farewell
// takes its place.
void Form1::closeWindow()
{
    const val window = val::global("window");
    if (window["opener"].as<bool>() || val::global("history")["length"].as<int>() <= 1)
        window.call<void>("close");
    playClock_.stop();
    dom::setHidden(form1_, true);
    dom::setHidden(farewell_, false);
    dom::element("restart").call<void>("focus");
}

} // namespace rutschbild::web

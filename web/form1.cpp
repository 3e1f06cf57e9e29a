// Form1's events and the window operations on the page's controls.
#include "form1.h"
#include "arrangement.h"
#include "form1_layout.h"

#include <string>

namespace rutschbild {

using emscripten::val;

namespace {

constexpr const char* kPictureComplete = "Das Bild ist vollständig.";

} // namespace

Form1::Form1(const Clock& clock)
    : form1_(dom::element("Form1")), lstBilder_(dom::element("lstBilder")),
      lblStartzeit_(dom::element("lblStartzeit")), lblSpielzeit_(dom::element("lblSpielzeit")),
      lblBewegungen_(dom::element("lblBewegungen")), announce_(dom::element("announce")),
      farewell_(dom::element("farewell")),
      timer1_(layout::kTimer1IntervalMilliseconds, [this] { control_.timer1Tick(); }),
      control_(*this, clock)
{
    connectEvents();
    control_.Form_Load();
}

void Form1::connectEvents()
{
    // Ahead of every click's own handler, so the first beep finds its audio context ready.
    listeners_.listenFirst(val::global("window"), "click", [this] { beeper_.prepare(); });

    listeners_.listen(dom::element("cmdSpiel"), "click", [this] {
        dom::setText(announce_, "");
        control_.cmdSpielClick();
    });
    listeners_.listen(dom::element("cmdVorschau"), "click",
                      [this] { control_.cmdVorschauClick(); });
    listeners_.listen(dom::element("Command1"), "click", [this] { control_.command1Click(); });
    // The browser checks an option on a click and on an arrow key alike; either is its Click.
    for (int i = 0; i < 2; ++i) {
        listeners_.listen(dom::element("optSpielart" + std::to_string(i)), "change",
                          [this, i] { control_.optSpielartClick(i); });
    }
    for (int i = 0; i < kTiles; ++i)
        listeners_.listen(board_.tile(i), "click", [this, i] { tileClicked(i); });
    // A new choice, by mouse, touch or arrow key, is the list's Click.
    listeners_.listen(lstBilder_, "change", [this] { control_.lstBilderClick(); });
    listeners_.listen(dom::element("restart"), "click",
                      [] { val::global("location").call<void>("reload"); });
}

// The browser finds the tile under the pointer at each click, so the second click of a double
// click lands on whatever stands there by then.
void Form1::tileClicked(int tile)
{
    const bool running = !control_.state().Spielende;
    control_.imgBildClick(tile);
    if (running && control_.state().Spielende)
        dom::setText(announce_, kPictureComplete);
}

void Form1::placeTile(int tile, int top, int left) { board_.placeTile(tile, top, left); }

void Form1::setTile11Visible(bool visible) { board_.setTileVisible(kHoleTile, visible); }

void Form1::setPictureListEnabled(bool enabled) { lstBilder_.set("disabled", !enabled); }

void Form1::setPlayClockRunning(bool running)
{
    if (running)
        timer1_.start();
    else
        timer1_.stop();
}

void Form1::setGridLinesVisible(bool visible) { board_.setGridLinesVisible(visible); }

std::string Form1::movesText() const { return dom::text(lblBewegungen_); }

void Form1::setMovesText(const std::string& text) { dom::setText(lblBewegungen_, text); }

void Form1::setStartTimeText(const std::string& text) { dom::setText(lblStartzeit_, text); }

void Form1::beep() { beeper_.beep(); }

int Form1::tileTop(int tile) const { return board_.tileTop(tile); }

int Form1::tileLeft(int tile) const { return board_.tileLeft(tile); }

void Form1::addListItem(const std::string& text)
{
    val option = val::global("document").call<val>("createElement", std::string("option"));
    dom::setText(option, text);
    lstBilder_.call<void>("append", option);
}

// An item's value is its text; the empty item that stands for "nothing selected" has none.
std::string Form1::selectedListItemText() const { return lstBilder_["value"].as<std::string>(); }

void Form1::setTilePicture(int tile, int bitmapNumber)
{
    board_.setTilePicture(tile, bitmapNumber);
}

void Form1::setPlayTimeText(const std::string& text) { dom::setText(lblSpielzeit_, text); }

// A page may close only a tab that a script opened or one with nothing to go back to; asking
// for more only earns a console warning. Where the tab stays, the window goes and a farewell
// takes its place.
void Form1::closeWindow()
{
    const val window = val::global("window");
    if (window["opener"].as<bool>() || val::global("history")["length"].as<int>() <= 1)
        window.call<void>("close");
    showFarewell();
}

void Form1::showFarewell()
{
    timer1_.stop();
    dom::setHidden(form1_, true);
    dom::setHidden(farewell_, false);
    dom::element("restart").call<void>("focus");
}

} // namespace rutschbild

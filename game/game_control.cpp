// The handlers of the window: loading, Start, Vorschau, Tschüss, the options, the picture list
// and the play-time display.
#include "game_control.h"
#include "number_text.h"

#include <cassert>

namespace rutschbild {

void GameControl::Form_Load()
{
    game_.setSpielende(true);
    // The tiles stand at their designed places now; those places are the board's coordinates.
    for (int slot = 0; slot < kTiles; ++slot)
        game_.recordSlotPlace(slot, frontEnd_.tileTop(slot), frontEnd_.tileLeft(slot));
    frontEnd_.setGridLinesVisible(false);
    frontEnd_.addListItem("Kinder");
    frontEnd_.addListItem("Garten");
    BildLaden(kKinderFirstBitmap);
}

void GameControl::cmdSpielClick()
{
    game_.Zufall();
    frontEnd_.setTile11Visible(false);
    const GameState& state = game_.state();
    for (int tile = 0; tile < kHoleTile; ++tile) {
        const auto& place = state.Platz[state.Position[tile]];
        frontEnd_.placeTile(tile, place[0], place[1]);
    }
    game_.setSpielende(false);
    game_.LinienZeigen();
    frontEnd_.setPlayClockRunning(true);
    frontEnd_.setPictureListEnabled(false);
}

void GameControl::cmdVorschauClick()
{
    game_.setSpielende(true);
    const GameState& state = game_.state();
    for (int tile = 0; tile < kTiles; ++tile)
        frontEnd_.placeTile(tile, state.Platz[tile][0], state.Platz[tile][1]);
    frontEnd_.setPlayClockRunning(false);
    frontEnd_.setTile11Visible(true);
    frontEnd_.setPictureListEnabled(true);
    game_.LinienZeigen();
}

void GameControl::command1Click() { frontEnd_.closeWindow(); }

void GameControl::optSpielartClick(int index) { game_.setSpielart(index); }

void GameControl::imgBildClick(int tile) { game_.tileClick(tile); }

void GameControl::lstBilderClick()
{
    const std::string text = frontEnd_.selectedListItemText();
    assert(text == "Kinder" || text == "Garten");
    BildLaden(text == "Kinder" ? kKinderFirstBitmap : kGartenFirstBitmap);
}

void GameControl::timer1Tick()
{
    // One reading of a clock that nobody can set: minute and second always belong together, and
    // changing the system time during a game cannot make the play time jump or go negative.
    const std::int64_t elapsed = clock_.monotonicMilliseconds() - state().startMonotonicMilliseconds;
    frontEnd_.setPlayTimeText(playTimeText(elapsed));
}

void GameControl::BildLaden(int Res)
{
    for (int tile = 0; tile < kTiles; ++tile)
        frontEnd_.setTilePicture(tile, Res + tile);
}

std::string playTimeText(std::int64_t elapsedMilliseconds)
{
    assert(elapsedMilliseconds >= 0);
    const std::int64_t seconds = elapsedMilliseconds / 1000;
    return decimalText(static_cast<double>(seconds / 60 % 60)) + " : " +
           decimalText(static_cast<double>(seconds % 60));
}

} // namespace rutschbild

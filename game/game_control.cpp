// The handlers of the window: loading, Start, Vorschau, Tschüss, the options, the picture list
// and the play-time display.
#include "game_control.h"
#include "number_text.h"

#include <cassert>

namespace rutschbild {

void GameControl::load()
{
    game_.setGameOver(true);
    game_.recordSlotPlaces();
    frontEnd_.setGridLinesVisible(false);
    for (const PictureSet& set : kPictureSets)
        frontEnd_.addListItem(std::string(set.name));
    loadPictureSet(kPictureSets.front().firstBitmap);
}

void GameControl::startClicked()
{
    game_.chooseStartArrangement();
    frontEnd_.setHoleTileVisible(false);
    for (int tile = 0; tile < kHoleTile; ++tile)
        game_.placeTile(tile, state().tileSlots[tile]);
    game_.setGameOver(false);
    game_.showGridLines();
    frontEnd_.setPlayClockRunning(true);
    frontEnd_.setPictureListEnabled(false);
    frontEnd_.gameStarted();
}

void GameControl::previewClicked()
{
    game_.setGameOver(true);
    for (int tile = 0; tile < kTiles; ++tile)
        game_.placeTile(tile, tile);
    frontEnd_.setPlayClockRunning(false);
    frontEnd_.setHoleTileVisible(true);
    frontEnd_.setPictureListEnabled(true);
    game_.showGridLines();
    frontEnd_.gameEnded();
}

void GameControl::quitClicked() { frontEnd_.closeWindow(); }

void GameControl::startModeClicked(int mode) { game_.setStartMode(mode); }

void GameControl::tileClicked(int tile) { game_.clickTile(tile); }

void GameControl::pictureListClicked()
{
    const std::string text = frontEnd_.selectedListItemText();
    for (const PictureSet& set : kPictureSets) {
        if (text == set.name) {
            loadPictureSet(set.firstBitmap);
            return;
        }
    }
    assert(!"the picture list holds only the sets' names");
}

void GameControl::playClockTicked()
{
    // One reading of a clock that nobody can set: minute and second always belong together, and
    // changing the system time during a game cannot make the play time jump or go negative.
    const std::int64_t elapsed =
        clock_.monotonicMilliseconds() - state().startMonotonicMilliseconds;
    frontEnd_.setPlayTimeText(playTimeText(elapsed));
}

void GameControl::loadPictureSet(int firstBitmap)
{
    for (int tile = 0; tile < kTiles; ++tile)
        frontEnd_.setTilePicture(tile, firstBitmap + tile);
}

std::string playTimeText(std::int64_t elapsedMilliseconds)
{
    assert(elapsedMilliseconds >= 0);
    const std::int64_t seconds = elapsedMilliseconds / 1000;
    return decimalText(static_cast<double>(seconds / 60 % 60)) + " : " +
           decimalText(static_cast<double>(seconds % 60));
}

} // namespace rutschbild

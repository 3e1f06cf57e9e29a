// Ending a game, the picture list, the play clock, and telling the front end what it shows.
#include "game.h"
#include "number_text.h"
#include "picture_sets.h"

#include <cassert>

namespace rutschbild {

void Game::preview()
{
    endGame();
    refresh(kBoardPart | kRunningPart);
}

// After Vorschau and after the win alike: every tile at home, the hole's tile shown, the clock
// stopped with its last text, the list free again. The texts stay.
void Game::endGame()
{
    running_ = false;
    tileSlots_ = kHomeArrangement;
}

void Game::choosePicture(int set)
{
    assert(set >= 0 && set < kPictureSetCount);
    view_.pictureSet = set;
    refresh(kPicturePart);
}

void Game::tick()
{
    // One reading of a clock that nobody can set: minute and second always belong together, and
    // changing the system time during a game cannot make the play time jump or go negative.
    const std::string text =
        playTimeText(clock_.monotonicMilliseconds() - startMonotonicMilliseconds_);
    if (text == view_.playTimeText)
        return;
    view_.playTimeText = text;
    refresh(kTextsPart);
}

void Game::refresh(unsigned parts)
{
    view_.gameRunning = running_;
    view_.gridLinesVisible = running_;
    view_.pictureListEnabled = !running_;
    view_.playClockRunning = running_;
    view_.tileInSlot.fill(kNoTile);
    // The hole's own tile is taken away while a game runs.
    for (int tile = 0; tile < kTiles; ++tile)
        if (tile != kHoleTile || !running_)
            view_.tileInSlot[tileSlots_[tile]] = tile;
    frontEnd_.show(view_, parts);
}

std::string playTimeText(std::int64_t elapsedMilliseconds)
{
    assert(elapsedMilliseconds >= 0);
    const std::uint64_t seconds = static_cast<std::uint64_t>(elapsedMilliseconds) / 1000;
    return decimalText(seconds / 60 % 60) + " : " + decimalText(seconds % 60);
}

} // namespace rutschbild

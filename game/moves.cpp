// What a press on the board does: the move, the move count and the win.
#include "accessible_text.h"
#include "game.h"
#include "number_text.h"

#include <algorithm>
#include <cassert>

namespace rutschbild {

namespace {
bool solved(const Arrangement& tileSlots)
{
    for (int tile = 0; tile < kHoleTile; ++tile)
        if (tileSlots[tile] != tile)
            return false;
    return true;
}
} // namespace

void Game::pressTile(int tile)
{
    assert(tile >= 0 && tile < kTiles);
    if (!running_) {
        frontEnd_.announce(kNoGameRunningText);
        return;
    }
    const int from = tileSlots_[tile];
    const int hole = tileSlots_[kHoleTile];
    if (!areNeighbours(from, hole)) {
        frontEnd_.announce(tileDidNotMoveText(tile));
        return;
    }
    // The pressed tile takes the hole's slot; the hole takes the slot the tile has left.
    std::swap(tileSlots_[tile], tileSlots_[kHoleTile]);
    ++moveCount_;
    view_.movesText = decimalText(moveCount_);
    const bool won = solved(tileSlots_);
    if (won)
        endGame();
    refresh(kBoardPart | kTextsPart | (won ? kRunningPart : 0U));
    // One beep for the move; the win adds three.
    for (int beeps = won ? 4 : 1; beeps > 0; --beeps)
        frontEnd_.beep();
    frontEnd_.announce(tileMovedText(tile, hole));
    if (won)
        frontEnd_.announce(kPictureCompleteText);
}

void Game::pressGap() { frontEnd_.announce(kGapPressedText); }

} // namespace rutschbild

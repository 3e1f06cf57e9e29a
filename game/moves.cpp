// What a click on a tile does: the move and the move count.
#include "game.h"
#include "number_text.h"

#include <cassert>

namespace rutschbild {

void Game::clickTile(int tile)
{
    assert(tile >= 0 && tile < kTiles);
    if (state_.gameOver) {
        frontEnd_.tilePressedWithoutGame(tile);
        return;
    }

    // The clicked tile takes the hole's slot; the hole takes the slot the tile has left.
    const int from = state_.tileSlots[tile];
    const int hole = state_.tileSlots[kHoleTile];
    if (areNeighbours(from, hole)) {
        placeTile(tile, hole);
        state_.tileSlots[kHoleTile] = static_cast<std::int16_t>(from);
        beepOnce();
        ++state_.moveCount;
        frontEnd_.setMovesText(decimalText(static_cast<double>(state_.moveCount)));
        frontEnd_.tileMoved(tile, hole);
    } else {
        frontEnd_.tileDidNotMove(tile);
    }
    checkSolved();
}

void Game::placeTile(int tile, int slot)
{
    assert(tile >= 0 && tile < kTiles && slot >= 0 && slot < kTiles);
    state_.tileSlots[tile] = static_cast<std::int16_t>(slot);
    const TwipPoint place = state_.slotPlaces[slot];
    frontEnd_.placeTile(tile, slot, place.top, place.left);
}

} // namespace rutschbild

// What a click on a tile does: the four neighbour tests, the move and the move count.
#include "game.h"
#include "number_text.h"

#include <cassert>

namespace rutschbild {

void Game::tileClick(int tile)
{
    assert(tile >= 0 && tile < kTiles);
    if (state_.Spielende)
        return;

    state_.Bewegt = false;
    state_.AktPlatz = state_.Position[tile];
    state_.AktBild = static_cast<std::int16_t>(tile);
    const int slot = state_.AktPlatz;

    // The tests compare slot numbers only; these column guards are what keep a horizontal
    // move from wrapping from the end of one row to the start of the next.
    if (slot >= kColumns)
        ObenPrüfen();
    if (!state_.Bewegt && slot < kTiles - kColumns)
        UntenPrüfen();
    if (!state_.Bewegt && slot % kColumns != 0)
        LinksPrüfen();
    if (!state_.Bewegt && slot % kColumns != kColumns - 1)
        RechtsPrüfen();

    if (state_.Bewegt) {
        Sound1();
        // Kept as text, counted in floating point: no 16-bit limit on the count.
        window_.setMovesText(decimalText(numericValue(window_.movesText()) + 1));
    }
    ErgebnisPrüfen();
}

void Game::ObenPrüfen()
{
    if (state_.AktPlatz == state_.Position[kHoleTile] + kColumns)
        moveClickedTileTo(state_.AktPlatz - kColumns);
}

void Game::UntenPrüfen()
{
    if (state_.Position[kHoleTile] == state_.AktPlatz + kColumns)
        moveClickedTileTo(state_.AktPlatz + kColumns);
}

void Game::LinksPrüfen()
{
    if (state_.AktPlatz == state_.Position[kHoleTile] + 1)
        moveClickedTileTo(state_.AktPlatz - 1);
}

void Game::RechtsPrüfen()
{
    if (state_.Position[kHoleTile] == state_.AktPlatz + 1)
        moveClickedTileTo(state_.AktPlatz + 1);
}

// The clicked tile takes the hole's slot; the hole takes the slot the tile has left.
void Game::moveClickedTileTo(int slot)
{
    assert(slot == state_.Position[kHoleTile]);
    window_.placeTile(state_.AktBild, state_.Platz[slot][0], state_.Platz[slot][1]);
    state_.Position[state_.AktBild] = static_cast<std::int16_t>(slot);
    state_.Position[kHoleTile] = state_.AktPlatz;
    state_.Bewegt = true;
}

} // namespace rutschbild

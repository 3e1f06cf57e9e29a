// The solved check and the effects that end a game.
#include "game.h"

namespace rutschbild {

void Game::ErgebnisPrüfen()
{
    state_.Spielende = true;
    for (int tile = 0; tile < kHoleTile; ++tile) {
        if (state_.Position[tile] != tile) {
            state_.Spielende = false;
            return;
        }
    }
    window_.setPlayClockRunning(false);
    window_.setTile11Visible(true);
    window_.setPictureListEnabled(true);
    LinienZeigen();
    Sound2();
}

void Game::LinienZeigen()
{
    window_.setGridLinesVisible(!state_.Spielende);
}

void Game::Sound1()
{
    window_.beep();
}

void Game::Sound2()
{
    for (int i = 0; i < 3; ++i)
        window_.beep();
}

} // namespace rutschbild

// The solved check and the effects that end a game.
#include "game.h"

namespace rutschbild {

void Game::checkSolved()
{
    state_.gameOver = true;
    for (int tile = 0; tile < kHoleTile; ++tile) {
        if (state_.tileSlots[tile] != tile) {
            state_.gameOver = false;
            return;
        }
    }
    frontEnd_.setPlayClockRunning(false);
    frontEnd_.setHoleTileVisible(true);
    frontEnd_.setPictureListEnabled(true);
    showGridLines();
    beepThrice();
    frontEnd_.gameEnded();
    frontEnd_.pictureComplete();
}

void Game::showGridLines() { frontEnd_.setGridLinesVisible(!state_.gameOver); }

void Game::beepOnce() { frontEnd_.beep(); }

void Game::beepThrice()
{
    for (int i = 0; i < 3; ++i)
        frontEnd_.beep();
}

} // namespace rutschbild

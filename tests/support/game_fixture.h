#pragma once

#include "fake_window.h"
#include "game.h"

#include <gtest/gtest.h>

namespace rutschbild::testing {

// A game on a fake window whose slot places are recorded as the real window does it.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
    {
        for (int slot = 0; slot < kTiles; ++slot)
            game.recordSlotPlace(slot, designedTop(slot), designedLeft(slot));
        game.setSpielende(true);
    }

    // What the Start button does to the rules: a new arrangement, tiles out, game running.
    void startAt(int minute, int second, int mode)
    {
        clock.set(10, minute, second);
        game.setSpielart(mode);
        game.Zufall();
        for (int tile = 0; tile < kHoleTile; ++tile) {
            const int slot = game.state().Position[tile];
            window.placeTile(tile, designedTop(slot), designedLeft(slot));
        }
        game.setSpielende(false);
        window.log.clear();
        window.beeps = 0;
    }

    void startFixed() { startAt(0, 0, 0); }

    int tileInSlot(int slot) const
    {
        for (int tile = 0; tile < kTiles; ++tile)
            if (game.state().Position[tile] == slot)
                return tile;
        return -1;
    }

    int hole() const { return game.state().Position[kHoleTile]; }

    FakeWindow window;
    FakeClock clock;
    Game game{window, clock};
};

} // namespace rutschbild::testing

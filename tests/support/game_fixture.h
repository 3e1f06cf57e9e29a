#pragma once

#include "fake_front_end.h"
#include "game.h"

#include <gtest/gtest.h>

namespace rutschbild::testing {

// The rules on a fake front end, with the slot places recorded as a loaded window has them.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
    {
        game.recordSlotPlaces();
        game.setGameOver(true);
    }

    // What the Start button does to the rules: a new arrangement, tiles out, game running.
    void startAt(int minute, int second, int mode)
    {
        clock.set(10, minute, second);
        game.setStartMode(mode);
        game.chooseStartArrangement();
        for (int tile = 0; tile < kHoleTile; ++tile)
            game.placeTile(tile, game.state().tileSlots[tile]);
        game.setGameOver(false);
        window.log.clear();
        window.told.clear();
        window.beeps = 0;
    }

    void startFixed() { startAt(0, 0, 0); }

    int tileInSlot(int slot) const
    {
        for (int tile = 0; tile < kTiles; ++tile)
            if (game.state().tileSlots[tile] == slot)
                return tile;
        return -1;
    }

    int hole() const { return game.state().tileSlots[kHoleTile]; }

    FakeFrontEnd window;
    FakeClock clock;
    Game game{window, clock};
};

} // namespace rutschbild::testing

#pragma once

#include "fake_front_end.h"
#include "game.h"

#include <gtest/gtest.h>

namespace rutschbild::testing {

// The game on a fake front end.
class GameFixture : public ::testing::Test {
protected:
    // Start pressed at this minute and second; the log begins after it.
    void startAt(int minute, int second, StartMode mode)
    {
        clock.set(10, minute, second);
        game.chooseStartMode(mode);
        game.start();
        window.log.clear();
        window.said.clear();
        window.beeps = 0;
    }

    void startFixed() { startAt(0, 0, StartMode::fixed); }

    int tileInSlot(int slot) const
    {
        for (int tile = 0; tile < kTiles; ++tile)
            if (game.arrangement()[tile] == slot)
                return tile;
        return -1;
    }

    int hole() const { return game.arrangement()[kHoleTile]; }

    FakeFrontEnd window;
    FakeClock clock;
    Game game{window, clock};
};

} // namespace rutschbild::testing

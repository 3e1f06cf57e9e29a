// Random event sequences against the game rules: starts in either mode at any clock reading and
// clicks on any tile. After every event the board must be a permutation and every tile the
// window shows must stand where the board says.
#include "fake_front_end.h"
#include "game.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace rutschbild;
using namespace rutschbild::testing;

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FakeFrontEnd window;
    FakeClock clock;
    Game game(window, clock);
    game.recordSlotPlaces();
    game.setGameOver(true);

    bool started = false;
    int won = 0;
    double lastCount = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t event = data[i];
        if (event < 2 * 60) {
            // A start: mode from the low bit, the clock from this and the next byte.
            const int minute = event / 2;
            const int second = i + 1 < size ? data[++i] % 60 : 0;
            clock.set(event % 24, minute, second);
            game.setStartMode(event % 2);
            game.chooseStartArrangement();
            for (int tile = 0; tile < kHoleTile; ++tile)
                game.placeTile(tile, game.state().tileSlots[tile]);
            game.setGameOver(false);
            started = true;
        } else {
            const bool running = !game.state().gameOver;
            game.clickTile(event % kTiles);
            won += running && game.state().gameOver;
        }

        if (!started)
            continue;
        check(isValid(game.state().tileSlots), "tileSlots is a permutation of 0-11");
        for (int tile = 0; tile < kHoleTile; ++tile) {
            const int slot = game.state().tileSlots[tile];
            const TwipPoint& place = game.state().slotPlaces[slot];
            check(window.tiles[tile].top == place.top && window.tiles[tile].left == place.left &&
                      window.tileSlots[tile] == slot,
                  "tile shown at the place of its slot");
        }
        const double count = std::atof(window.moves.c_str());
        check(count >= lastCount, "move count never goes down");
        lastCount = count;
        check(window.picturesCompleted == won, "each won game told once that it is complete");
        if (game.state().gameOver) {
            for (int tile = 0; tile < kTiles; ++tile)
                check(game.state().tileSlots[tile] == tile, "a finished game is solved");
            check(window.holeTileVisible && !window.clockRunning && window.listEnabled &&
                      !window.linesVisible,
                  "a finished game shows the whole picture with the clock stopped");
        }
    }
    return 0;
}

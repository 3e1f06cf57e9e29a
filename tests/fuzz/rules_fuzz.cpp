// Random event sequences against the game rules: starts in either mode at any clock reading and
// clicks on any tile. After every event the board must be a permutation and every tile the
// window shows must stand where the board says.
#include "fake_window.h"
#include "game.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>

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
    FakeWindow window;
    FakeClock clock;
    Game game(window, clock);
    for (int slot = 0; slot < kTiles; ++slot)
        game.recordSlotPlace(slot, designedTop(slot), designedLeft(slot));
    game.setSpielende(true);

    bool started = false;
    double lastCount = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t event = data[i];
        if (event < 2 * 60) {
            // A start: mode from the low bit, the clock from this and the next byte.
            const int minute = event / 2;
            const int second = i + 1 < size ? data[++i] % 60 : 0;
            clock.set(event % 24, minute, second);
            game.setSpielart(event % 2);
            game.Zufall();
            for (int tile = 0; tile < kHoleTile; ++tile) {
                const int slot = game.state().Position[tile];
                window.placeTile(tile, game.state().Platz[slot][0], game.state().Platz[slot][1]);
            }
            game.setSpielende(false);
            started = true;
        } else {
            game.tileClick(event % kTiles);
        }

        if (!started)
            continue;
        check(isValid(game.state().Position), "Position is a permutation of 0-11");
        for (int tile = 0; tile < kHoleTile; ++tile) {
            const auto& place = game.state().Platz[game.state().Position[tile]];
            check(window.tiles[tile].top == place[0] && window.tiles[tile].left == place[1],
                  "tile shown at Platz(Position(tile))");
        }
        const double count = std::atof(window.moves.c_str());
        check(count >= lastCount, "move count never goes down");
        lastCount = count;
        if (game.state().Spielende) {
            for (int tile = 0; tile < kTiles; ++tile)
                check(game.state().Position[tile] == tile, "a finished game is solved");
            check(window.tile11Visible && !window.clockRunning && window.listEnabled &&
                      !window.linesVisible,
                  "a finished game shows the whole picture with the clock stopped");
        }
    }
    return 0;
}

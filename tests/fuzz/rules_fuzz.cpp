// Random event sequences against the game: starts in either mode at any clock reading, presses
// on any tile, Vorschau, picture changes and ticks. After every event the arrangement must be a
// permutation and the window must show exactly the game's view.
#include "accessible_text.h"
#include "fake_front_end.h"
#include "game.h"

#include <algorithm>
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

    int won = 0;
    std::uint64_t lastCount = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t event = data[i];
        if (event < 2 * 60) {
            // A start: mode from the low bit, the clock from this and the next byte.
            const int minute = event / 2;
            const int second = i + 1 < size ? data[++i] % 60 : 0;
            clock.set(event % 24, minute, second);
            game.chooseStartMode(static_cast<StartMode>(event % 2));
            game.start();
        } else if (event < 250) {
            const bool running = game.view().gameRunning;
            game.pressTile(event % kTiles);
            won += running && !game.view().gameRunning;
        } else if (event < 252) {
            game.preview();
        } else if (event < 254) {
            game.choosePicture(event % 2);
        } else {
            clock.monotonic += 500;
            game.tick();
        }

        const WindowView& view = game.view();
        check(window.shown == view, "the window shows the game's view");
        check(isValid(game.arrangement()), "the arrangement is a permutation of 0-11");
        for (int tile = 0; tile < kTiles; ++tile) {
            const bool shown = tile != kHoleTile || !view.gameRunning;
            check(view.tileInSlot[game.arrangement()[tile]] == (shown ? tile : kNoTile),
                  "each tile shown in its slot, the gap empty");
        }
        check(game.moveCount() >= lastCount, "move count never goes down");
        lastCount = game.moveCount();
        check(std::count(window.said.begin(), window.said.end(), kPictureCompleteText) == won,
              "each won game told once that it is complete");
        check(view.gridLinesVisible == view.gameRunning &&
                  view.playClockRunning == view.gameRunning &&
                  view.pictureListEnabled == !view.gameRunning,
              "lines, clock and list follow the game");
        if (!view.gameRunning)
            check(game.arrangement() == kHomeArrangement, "no game runs: the picture is whole");
    }
    return 0;
}

// The game rules alone, without a window: a tile click with its solved check, and the start
// arrangement.
#include "game.h"

#include <benchmark/benchmark.h>

#include <string>

namespace rutschbild {
namespace {

// Drops everything the rules ask of a window.
class NullWindow final : public FrontEnd {
public:
    void placeTile(int, int, int, int) override {}
    void setHoleTileVisible(bool) override {}
    void setPictureListEnabled(bool) override {}
    void setPlayClockRunning(bool) override {}
    void setGridLinesVisible(bool) override {}
    void setMovesText(const std::string&) override {}
    void setStartTimeText(const std::string&) override {}
    void setPlayTimeText(const std::string&) override {}
    void beep() override {}
    void pictureComplete() override {}
    void addListItem(const std::string&) override {}
    std::string selectedListItemText() const override { return {}; }
    void setTilePicture(int, int) override {}
    void closeWindow() override {}
};

// Steps one second per reading, so the clock-derived start runs through all 3,600 readings.
class SteppingClock final : public Clock {
public:
    LocalDateTime localNow() const override
    {
        const int tick = ticks_++ % 3600;
        return {2026, 12, 8, 10, tick / 60, tick % 60};
    }
    std::int64_t monotonicMilliseconds() const override { return ticks_ * 1000; }

private:
    mutable std::int64_t ticks_ = 0;
};

struct Board {
    Board()
    {
        game.recordSlotPlaces();
        game.setGameOver(true);
    }

    void start(int mode)
    {
        game.setStartMode(mode);
        game.chooseStartArrangement();
        game.setGameOver(false);
    }

    NullWindow window;
    SteppingClock clock;
    Game game{window, clock};
};

// The fixed start has tile 9 in slot 10, next to the hole in slot 11: each click slides it
// across and the next slides it back, so every click is a move, a count and a solved check.
void BM_TileClickThatMoves(benchmark::State& state)
{
    Board board;
    board.start(0);
    for (auto _ : state) {
        board.game.clickTile(9);
        benchmark::DoNotOptimize(board.game.state().tileSlots);
    }
}
BENCHMARK(BM_TileClickThatMoves);

// Tile 1 stands in slot 0, far from the hole: all guards run, nothing moves.
void BM_TileClickThatDoesNotMove(benchmark::State& state)
{
    Board board;
    board.start(0);
    for (auto _ : state) {
        board.game.clickTile(1);
        benchmark::DoNotOptimize(board.game.state().tileSlots);
    }
}
BENCHMARK(BM_TileClickThatDoesNotMove);

void BM_FixedStartArrangement(benchmark::State& state)
{
    Board board;
    board.game.setStartMode(0);
    for (auto _ : state) {
        board.game.chooseStartArrangement();
        benchmark::DoNotOptimize(board.game.state().tileSlots);
    }
}
BENCHMARK(BM_FixedStartArrangement);

void BM_ClockStartArrangement(benchmark::State& state)
{
    Board board;
    board.game.setStartMode(1);
    for (auto _ : state) {
        board.game.chooseStartArrangement();
        benchmark::DoNotOptimize(board.game.state().tileSlots);
    }
}
BENCHMARK(BM_ClockStartArrangement);

} // namespace
} // namespace rutschbild

BENCHMARK_MAIN();

// The game rules alone, without a window: a tile press with its solved check, and the start.
#include "game.h"

#include <benchmark/benchmark.h>

#include <string>

namespace rutschbild {
namespace {

// Drops everything the game asks of a window.
class NullWindow final : public FrontEnd {
public:
    void show(const WindowView&, unsigned) override {}
    void beep() override {}
    void announce(std::string_view) override {}
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
    void start(StartMode mode)
    {
        game.chooseStartMode(mode);
        game.start();
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
    board.start(StartMode::fixed);
    for (auto _ : state) {
        board.game.pressTile(9);
        benchmark::DoNotOptimize(board.game.arrangement());
    }
}
BENCHMARK(BM_TileClickThatMoves);

// Tile 1 stands in slot 0, far from the hole: all guards run, nothing moves.
void BM_TileClickThatDoesNotMove(benchmark::State& state)
{
    Board board;
    board.start(StartMode::fixed);
    for (auto _ : state) {
        board.game.pressTile(1);
        benchmark::DoNotOptimize(board.game.arrangement());
    }
}
BENCHMARK(BM_TileClickThatDoesNotMove);

void BM_FixedStartArrangement(benchmark::State& state)
{
    Board board;
    board.game.chooseStartMode(StartMode::fixed);
    for (auto _ : state) {
        board.game.start();
        benchmark::DoNotOptimize(board.game.arrangement());
    }
}
BENCHMARK(BM_FixedStartArrangement);

void BM_ClockStartArrangement(benchmark::State& state)
{
    Board board;
    board.game.chooseStartMode(StartMode::clock);
    for (auto _ : state) {
        board.game.start();
        benchmark::DoNotOptimize(board.game.arrangement());
    }
}
BENCHMARK(BM_ClockStartArrangement);

} // namespace
} // namespace rutschbild

BENCHMARK_MAIN();

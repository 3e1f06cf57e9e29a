// The game rules alone, without a window: a tile click with its solved check, and Zufall.
#include "game.h"

#include <benchmark/benchmark.h>

#include <string>

namespace rutschbild {
namespace {

// Keeps only the move count, which the rules read back; everything else is dropped.
class NullWindow final : public WindowOperations {
public:
    void placeTile(int, int, int) override {}
    void setTile11Visible(bool) override {}
    void setPictureListEnabled(bool) override {}
    void setPlayClockRunning(bool) override {}
    void setGridLinesVisible(bool) override {}
    std::string movesText() const override { return moves_; }
    void setMovesText(const std::string& text) override { moves_ = text; }
    void setStartTimeText(const std::string&) override {}
    void beep() override {}

private:
    std::string moves_;
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
        for (int slot = 0; slot < kTiles; ++slot)
            game.recordSlotPlace(slot, 600 + 1695 * (slot / 4), 120 + 1905 * (slot % 4));
        game.setSpielende(true);
    }

    void start(int mode)
    {
        game.setSpielart(mode);
        game.Zufall();
        game.setSpielende(false);
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
        board.game.tileClick(9);
        benchmark::DoNotOptimize(board.game.state().Position);
    }
}
BENCHMARK(BM_TileClickThatMoves);

// Tile 1 stands in slot 0, far from the hole: all guards run, nothing moves.
void BM_TileClickThatDoesNotMove(benchmark::State& state)
{
    Board board;
    board.start(0);
    for (auto _ : state) {
        board.game.tileClick(1);
        benchmark::DoNotOptimize(board.game.state().Position);
    }
}
BENCHMARK(BM_TileClickThatDoesNotMove);

void BM_ZufallImmerGleich(benchmark::State& state)
{
    Board board;
    board.game.setSpielart(0);
    for (auto _ : state) {
        board.game.Zufall();
        benchmark::DoNotOptimize(board.game.state().Position);
    }
}
BENCHMARK(BM_ZufallImmerGleich);

void BM_ZufallImmerAnders(benchmark::State& state)
{
    Board board;
    board.game.setSpielart(1);
    for (auto _ : state) {
        board.game.Zufall();
        benchmark::DoNotOptimize(board.game.state().Position);
    }
}
BENCHMARK(BM_ZufallImmerAnders);

} // namespace
} // namespace rutschbild

BENCHMARK_MAIN();

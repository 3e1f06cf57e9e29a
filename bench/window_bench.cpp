// The window headless (Qt's offscreen platform): building MainWindow and painting its first frame,
// a tile click through a real mouse event with the repaint it causes, and one timer tick.
#include "clock.h"
#include "main_window.h"
#include "window_probe.h"

#include <QApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace rutschbild {
namespace {

using qt::MainWindow;

using testing::WindowProbe;

// Counts the paint events a widget receives, to show that a repaint really happened.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    long paints = 0;
};

// A clock the benchmark moves on by hand: each tick comes 500 ms after the one before, so
// every second tick changes the play-time text, as in a real game.
class SteppedClock final : public Clock {
public:
    LocalDateTime localNow() const override { return {2026, 12, 8, 10, 0, 0}; }
    std::int64_t monotonicMilliseconds() const override { return milliseconds; }
    std::int64_t milliseconds = 0;
};

void BM_ConstructAndFirstFrame(benchmark::State& state)
{
    const SystemClock clock;
    for (auto _ : state) {
        MainWindow window(clock);
        const QPixmap frame = window.grab();
        benchmark::DoNotOptimize(frame.cacheKey());
    }
}
BENCHMARK(BM_ConstructAndFirstFrame)->Unit(benchmark::kMillisecond);

// A shown window in a running game, its first frame painted.
struct RunningGame {
    RunningGame()
    {
        window.show();
        QCoreApplication::processEvents();
        WindowProbe::click(probe.options[0]);
        WindowProbe::click(probe.start);
        QCoreApplication::processEvents();
    }
    SteppedClock clock;
    MainWindow window{clock};
    WindowProbe probe{window};
};

void BM_TileClickWithRepaint(benchmark::State& state)
{
    RunningGame game;
    PaintCounter counter;
    game.probe.tiles[9]->installEventFilter(&counter);
    const double movesBefore = game.probe.moveCount();
    // In the fixed start tile 9 stands next to the hole: each click slides it across and the
    // next one slides it back, so every click is a move, a count, a solved check and a repaint.
    for (auto _ : state) {
        WindowProbe::click(game.probe.tiles[9]);
        QCoreApplication::processEvents();
    }
    const double moves = game.probe.moveCount() - movesBefore;
    state.counters["moves_per_click"] = moves / static_cast<double>(state.iterations());
    state.counters["tile_paints_per_click"] =
        static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
    if (moves != static_cast<double>(state.iterations()))
        state.SkipWithError("a click did not move the tile");
}
BENCHMARK(BM_TileClickWithRepaint)->Unit(benchmark::kMicrosecond);

void BM_TimerTick(benchmark::State& state)
{
    RunningGame game;
    PaintCounter counter;
    game.probe.playTime->installEventFilter(&counter);
    for (auto _ : state) {
        game.clock.milliseconds += 500;
        game.probe.tick();
        QCoreApplication::processEvents();
    }
    state.counters["label_paints_per_tick"] =
        static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_TimerTick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace rutschbild

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// A whole day of play on a fake clock: the play clock ticks every 500 ms while games run, with
// random tile clicks, solved games, abandoned games and picture changes in between. The play time
// must be right at every tick, and memory must not grow.
#include "fake_front_end.h"
#include "main_window.h"
#include "solver.h"
#include "window_probe.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <vector>

namespace rutschbild::testing {
namespace {

using qt::MainWindow;

// The length of the soak in simulated minutes; the ctest default is short.
int soakMinutes()
{
    const char* minutes = std::getenv("RUTSCHBILD_SOAK_MINUTES");
    return minutes != nullptr ? std::atoi(minutes) : 30;
}

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
    }
    return 0;
}

// Bytes the program holds on the heap; 0 where a sanitizer's allocator stands in for malloc.
long heapInUse() { return static_cast<long>(mallinfo2().uordblks); }

// Local wall time that walks on in whole seconds, over midnight into the next day.
void setLocal(FakeClock& clock, std::int64_t secondsSinceMidnight)
{
    clock.local.day = 8 + static_cast<int>(secondsSinceMidnight / 86400);
    const int second = static_cast<int>(secondsSinceMidnight % 86400);
    clock.set(second / 3600, second / 60 % 60, second % 60);
}

class Soak {
public:
    Soak() : probe(window)
    {
        window.show();
        setLocal(clock, localMilliseconds / 1000);
    }

    // One of the ticks 500 ms apart. A running game ticks and must show the right play time;
    // with no game running nothing may tick.
    void advanceHalfASecond()
    {
        clock.monotonic += 500;
        localMilliseconds += 500;
        setLocal(clock, localMilliseconds / 1000);
        const QString before = probe.playTime->text();
        if (probe.tick()) {
            ++ticks;
            const QString expected = WindowProbe::expectedPlayTime(clock.monotonic - startedAt);
            ASSERT_EQ(probe.playTime->text(), expected) << "after " << ticks << " ticks";
        } else {
            ASSERT_EQ(probe.playTime->text(), before) << "play time changed with no game";
        }
    }

    void start(int mode)
    {
        WindowProbe::click(probe.options[mode]);
        WindowProbe::click(probe.start);
        startedAt = clock.monotonic;
        ++games;
        ASSERT_TRUE(probe.gameRunning());
    }

    void clickTile(int tile)
    {
        const double before = probe.moveCount();
        WindowProbe::click(probe.tiles[tile]);
        ++clicks;
        ASSERT_GE(probe.moveCount(), before);
        ASSERT_LE(probe.moveCount(), before + 1);
    }

    // A tile next to the hole, so that most random clicks move something.
    int tileNextToHole(std::mt19937& random) const
    {
        std::array<int, 12> position{};
        probe.readBoard(position);
        const int hole = position[11];
        std::vector<int> neighbours;
        for (int tile = 0; tile < 11; ++tile) {
            const int slot = position[tile];
            const bool sameRow = slot / 4 == hole / 4;
            if ((sameRow && std::abs(slot - hole) == 1) || std::abs(slot - hole) == 4)
                neighbours.push_back(tile);
        }
        return neighbours[std::uniform_int_distribution<size_t>(0, neighbours.size() - 1)(random)];
    }

    std::vector<int> solution() const
    {
        std::array<int, 12> shown{};
        probe.readBoard(shown);
        Arrangement position{};
        for (int tile = 0; tile < 12; ++tile)
            position[tile] = static_cast<std::int16_t>(shown[tile]);
        return solve(position).value();
    }

    FakeClock clock;
    MainWindow window{clock};
    WindowProbe probe;
    std::int64_t localMilliseconds = (23 * 3600 + 30 * 60) * 1000LL; // crosses midnight soon
    std::int64_t startedAt = 0;
    long ticks = 0;
    long clicks = 0;
    long games = 0;
    long solved = 0;
};

TEST(Soak, DayOfPlayKeepsThePlayTimeRightAndMemoryFlat)
{
    const long halfSeconds = soakMinutes() * 120L;
    // A game lasts about twelve minutes of random clicks in a long run, less in a short one,
    // so that even a short run sees games solved, abandoned and started again.
    const long meanGameHalfSeconds = std::clamp(halfSeconds / 8, 50L, 1500L);
    std::mt19937 random(20261208);
    Soak soak;
    std::vector<int> plan; // clicks still to make, one per tick
    // Memory is compared from the end of the first hour (or quarter, in a short run), when
    // every picture has been loaded and every kind of event has happened, to the end.
    const long baselineAt = std::min(7200L, halfSeconds / 4);
    long heapAfterFirstHour = 0;
    long residentAfterFirstHour = 0;
    bool clockMode = false;

    soak.start(0);
    for (long halfSecond = 0; halfSecond < halfSeconds; ++halfSecond) {
        if (halfSecond == baselineAt) {
            heapAfterFirstHour = heapInUse();
            residentAfterFirstHour = residentKiB();
        }
        ASSERT_NO_FATAL_FAILURE(soak.advanceHalfASecond());

        if (!soak.probe.gameRunning()) {
            // Between games: a picture now and then, and the next game after a short pause.
            if (halfSecond % 7 == 0)
                soak.probe.clickListItem(static_cast<int>(random() % 2));
            if (random() % 40 == 0) {
                clockMode = !clockMode;
                ASSERT_NO_FATAL_FAILURE(soak.start(clockMode ? 1 : 0));
            }
        } else if (!plan.empty()) {
            ASSERT_NO_FATAL_FAILURE(soak.clickTile(plan.back()));
            plan.pop_back();
            if (!soak.probe.gameRunning())
                ++soak.solved;
        } else if (static_cast<long>(random() % meanGameHalfSeconds) == 0) {
            // Either give up or play the rest of the game from where it stands.
            if (random() % 3 == 0) {
                WindowProbe::click(soak.probe.preview);
            } else {
                plan = soak.solution();
                std::reverse(plan.begin(), plan.end());
            }
        } else {
            const int tile =
                random() % 4 == 0 ? static_cast<int>(random() % 11) : soak.tileNextToHole(random);
            ASSERT_NO_FATAL_FAILURE(soak.clickTile(tile));
        }
        QCoreApplication::processEvents(); // the repaints a real event loop would do
        const std::string broken = soak.probe.brokenInvariant();
        ASSERT_EQ(broken, "") << "after " << halfSecond << " half seconds";
    }

    const long heapAtEnd = heapInUse();
    const long residentAtEnd = residentKiB();
    std::cout << "SOAK " << halfSeconds / 7200.0 << " h simulated: " << soak.ticks << " ticks, "
              << soak.clicks << " tile clicks, " << soak.games << " games (" << soak.solved
              << " solved); heap " << heapAfterFirstHour / 1024 << " -> " << heapAtEnd / 1024
              << " KiB, RSS " << residentAfterFirstHour << " -> " << residentAtEnd
              << " KiB from the end of the first hour to the end" << std::endl;
    // A real leak of even one small block per game or per tick would show here.
    if (heapAfterFirstHour > 0 && halfSeconds > 2 * 7200) {
        EXPECT_LT(heapAtEnd - heapAfterFirstHour, 64 * 1024);
    }
}

} // namespace
} // namespace rutschbild::testing

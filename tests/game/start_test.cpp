#include "game_fixture.h"

namespace rutschbild::testing {
namespace {

using Start = GameFixture;

TEST_F(Start, FixedModeGivesTheSameBoardWhateverTheTime)
{
    for (const auto& [hour, minute, second] :
         {std::tuple{0, 0, 0}, {9, 5, 7}, {13, 59, 58}, {23, 59, 59}}) {
        clock.set(hour, minute, second);
        game.start();
        EXPECT_EQ(game.arrangement(), kFixedArrangement);
    }
}

TEST_F(Start, StartTimeTextHasNoLeadingZeros)
{
    for (const auto& [hour, minute, second, text] :
         {std::tuple{9, 5, 7, "9 : 5 : 7"}, {14, 30, 0, "14 : 30 : 0"}, {0, 0, 0, "0 : 0 : 0"}}) {
        clock.set(hour, minute, second);
        game.start();
        EXPECT_EQ(window.shown.startTimeText, text);
    }
}

TEST_F(Start, ClockModeUsesTheReadingItShows)
{
    game.chooseStartMode(StartMode::clock);
    clock.set(10, 12, 34);
    clock.monotonic = 777;
    game.start();
    EXPECT_EQ(game.arrangement(), clockArrangement(12, 34));
    EXPECT_EQ(window.shown.startTimeText, "10 : 12 : 34");
    // The play clock counts from the same instant.
    clock.monotonic = 777 + 1'999;
    game.tick();
    EXPECT_EQ(window.shown.playTimeText, "0 : 1");
}

TEST_F(Start, ChangingTheModeDuringAGameWaitsForTheNextStart)
{
    startAt(12, 34, StartMode::fixed);
    game.chooseStartMode(StartMode::clock);
    EXPECT_EQ(game.arrangement(), kFixedArrangement);
    game.start();
    EXPECT_EQ(game.arrangement(), clockArrangement(12, 34));
    game.chooseStartMode(StartMode::fixed);
    game.start();
    EXPECT_EQ(game.arrangement(), kFixedArrangement);
}

TEST_F(Start, TwoStartsInTheSameSecondGiveTheSameBoard)
{
    startAt(45, 57, StartMode::clock);
    const Arrangement first = game.arrangement();
    startAt(45, 57, StartMode::clock);
    EXPECT_EQ(game.arrangement(), first);
    EXPECT_EQ(first, (Arrangement{9, 4, 1, 6, 3, 8, 5, 7, 2, 10, 0, 11}));
}

} // namespace
} // namespace rutschbild::testing

#include "game_fixture.h"

namespace rutschbild::testing {
namespace {

using Start = GameFixture;

TEST_F(Start, FixedModeGivesTheSameBoardWhateverTheTime)
{
    for (const auto& [hour, minute, second] :
         {std::tuple{0, 0, 0}, {9, 5, 7}, {13, 59, 58}, {23, 59, 59}}) {
        clock.set(hour, minute, second);
        game.chooseStartArrangement();
        EXPECT_EQ(game.state().tileSlots, kFixedArrangement);
    }
}

TEST_F(Start, StartTimeTextHasNoLeadingZeros)
{
    clock.set(9, 5, 7);
    game.chooseStartArrangement();
    EXPECT_EQ(window.startTime, "9 : 5 : 7");
    clock.set(14, 30, 0);
    game.chooseStartArrangement();
    EXPECT_EQ(window.startTime, "14 : 30 : 0");
    clock.set(0, 0, 0);
    game.chooseStartArrangement();
    EXPECT_EQ(window.startTime, "0 : 0 : 0");
}

TEST_F(Start, ClockModeUsesTheReadingItShows)
{
    game.setStartMode(1);
    clock.set(10, 12, 34);
    clock.monotonic = 777;
    game.chooseStartArrangement();
    EXPECT_EQ(game.state().tileSlots, clockArrangement(12, 34));
    EXPECT_EQ(game.state().startTime.minute, 12);
    EXPECT_EQ(game.state().startTime.second, 34);
    EXPECT_EQ(game.state().startMonotonicMilliseconds, 777);
    EXPECT_EQ(window.log, (std::vector<std::string>{"starttime 10 : 12 : 34"}));
}

TEST_F(Start, ChangingTheModeDuringAGameWaitsForTheNextStart)
{
    startAt(12, 34, 0);
    game.setStartMode(1);
    EXPECT_EQ(game.state().tileSlots, kFixedArrangement);
    game.chooseStartArrangement();
    EXPECT_EQ(game.state().tileSlots, clockArrangement(12, 34));
    game.setStartMode(0);
    game.chooseStartArrangement();
    EXPECT_EQ(game.state().tileSlots, kFixedArrangement);
}

TEST_F(Start, TwoStartsInTheSameSecondGiveTheSameBoard)
{
    startAt(45, 57, 1);
    const Arrangement first = game.state().tileSlots;
    startAt(45, 57, 1);
    EXPECT_EQ(game.state().tileSlots, first);
    EXPECT_EQ(first, (Arrangement{9, 4, 1, 6, 3, 8, 5, 7, 2, 10, 0, 11}));
}

} // namespace
} // namespace rutschbild::testing

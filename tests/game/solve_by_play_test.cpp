#include "game_fixture.h"
#include "solver.h"

#include <set>

namespace rutschbild::testing {
namespace {

using Lines = std::vector<std::string>;

class SolveByPlay : public GameFixture {
protected:
    // Plays a solution through real tile clicks and checks how the game ends.
    void playToTheEnd()
    {
        const Arrangement start = game.state().tileSlots;
        const auto solution = solve(start);
        ASSERT_TRUE(solution.has_value());
        ASSERT_FALSE(solution->empty());
        const std::uint64_t countBefore = game.state().moveCount;
        for (size_t i = 0; i + 1 < solution->size(); ++i) {
            game.clickTile((*solution)[i]);
            ASSERT_FALSE(game.state().gameOver) << "ended early after move " << i + 1;
        }
        window.log.clear();
        window.told.clear();
        const int last = solution->back();
        game.clickTile(last);

        // The last tile goes home; one beep for the move, the count includes it, then the end.
        EXPECT_EQ(
            window.log,
            (Lines{"place " + std::to_string(last) + " " + std::to_string(last) + " " +
                       std::to_string(designedTop(last)) + " " + std::to_string(designedLeft(last)),
                   "beep", "moves " + std::to_string(countBefore + solution->size()), "clock off",
                   "tile11 on", "list on", "lines off", "beep", "beep", "beep", "complete"}));
        EXPECT_EQ(window.told,
                  (Lines{"moved " + std::to_string(last) + " " + std::to_string(last), "ended"}));
        EXPECT_TRUE(game.state().gameOver);
        for (int tile = 0; tile < kTiles; ++tile)
            EXPECT_EQ(game.state().tileSlots[tile], tile);
    }
};

TEST_F(SolveByPlay, FixedBoardEndsWithFourBeepsAndThenIgnoresClicks)
{
    startFixed();
    playToTheEnd();
    window.log.clear();
    for (int tile = 0; tile < kTiles; ++tile)
        game.clickTile(tile);
    EXPECT_TRUE(window.log.empty());
}

TEST_F(SolveByPlay, EveryClockBoardCanBeWon)
{
    std::set<Arrangement> seen;
    for (int minute = 0; minute < 60; ++minute) {
        for (int second = 0; second < 60; ++second) {
            if (!seen.insert(clockArrangement(minute, second)).second)
                continue;
            SCOPED_TRACE(::testing::Message() << "m = " << minute << ", s = " << second);
            startAt(minute, second, 1);
            playToTheEnd();
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_EQ(seen.size(), 132u);
}

} // namespace
} // namespace rutschbild::testing

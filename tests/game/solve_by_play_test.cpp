#include "accessible_text.h"
#include "game_fixture.h"
#include "solver.h"

#include <set>

namespace rutschbild::testing {
namespace {

using Lines = std::vector<std::string>;

class SolveByPlay : public GameFixture {
protected:
    // Plays a solution through real tile presses and checks how the game ends.
    void playToTheEnd()
    {
        const auto solution = solve(game.arrangement());
        ASSERT_TRUE(solution.has_value());
        ASSERT_FALSE(solution->empty());
        const std::uint64_t countBefore = game.moveCount();
        for (size_t i = 0; i + 1 < solution->size(); ++i) {
            game.pressTile((*solution)[i]);
            ASSERT_TRUE(game.view().gameRunning) << "ended early after move " << i + 1;
        }
        window.log.clear();
        window.beeps = 0;
        const int last = solution->back();
        game.pressTile(last);

        // The last tile goes home and the game ends in the one view; one beep for the move and
        // three for the end; the move's sentence, then the win's.
        EXPECT_EQ(window.log, (Lines{"show board running texts", "beep", "beep", "beep", "beep",
                                     "say " + tileMovedText(last, last),
                                     "say " + std::string(kPictureCompleteText)}));
        const WindowView& view = window.shown;
        EXPECT_EQ(boardText(view), "0 1 2 3 / 4 5 6 7 / 8 9 10 11");
        EXPECT_FALSE(view.gameRunning || view.gridLinesVisible || view.playClockRunning);
        EXPECT_TRUE(view.pictureListEnabled);
        EXPECT_EQ(view.movesText, std::to_string(countBefore + solution->size()));
    }
};

TEST_F(SolveByPlay, FixedBoardEndsWithFourBeepsAndThenIgnoresPresses)
{
    startFixed();
    playToTheEnd();
    window.log.clear();
    for (int tile = 0; tile < kTiles; ++tile)
        game.pressTile(tile);
    EXPECT_EQ(window.beeps, 4);
    EXPECT_EQ(window.log, Lines(kTiles, "say " + std::string(kNoGameRunningText)));
}

TEST_F(SolveByPlay, EveryClockBoardCanBeWon)
{
    std::set<Arrangement> seen;
    for (int minute = 0; minute < 60; ++minute) {
        for (int second = 0; second < 60; ++second) {
            if (!seen.insert(clockArrangement(minute, second)).second)
                continue;
            SCOPED_TRACE(::testing::Message() << "m = " << minute << ", s = " << second);
            startAt(minute, second, StartMode::clock);
            playToTheEnd();
            if (HasFatalFailure())
                return;
        }
    }
    EXPECT_EQ(seen.size(), 132u);
}

} // namespace
} // namespace rutschbild::testing

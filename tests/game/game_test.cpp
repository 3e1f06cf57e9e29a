// The window's handlers as actions on the game, without a toolkit.
#include "accessible_text.h"
#include "game_fixture.h"
#include "picture_sets.h"

namespace rutschbild::testing {
namespace {

using Log = std::vector<std::string>;
using Actions = GameFixture;

const std::string kSaid = "say ";
const std::string kHome = "0 1 2 3 / 4 5 6 7 / 8 9 10 11";
const std::string kFixedBoard = "1 10 4 2 / 3 0 7 6 / 5 8 9 .";

TEST_F(Actions, ANewGameShowsTheWholePictureAndNothingRuns)
{
    const WindowView& view = game.view();
    EXPECT_EQ(boardText(view), kHome);
    EXPECT_FALSE(view.gameRunning);
    EXPECT_FALSE(view.gridLinesVisible);
    EXPECT_TRUE(view.pictureListEnabled);
    EXPECT_FALSE(view.playClockRunning);
    EXPECT_EQ(view.pictureSet, 0); // "Kinder"
    EXPECT_EQ(kPictureSets[view.pictureSet].name, "Kinder");
    EXPECT_EQ(view.startTimeText + view.playTimeText + view.movesText, "");
    EXPECT_EQ(game.arrangement(), kHomeArrangement);
    // The fake's fresh window already shows it: nothing needs telling.
    EXPECT_EQ(view, window.shown);
    EXPECT_TRUE(window.log.empty());
}

TEST_F(Actions, PressesBeforeTheFirstStartOnlySayWhy)
{
    for (int tile = 0; tile < kTiles; ++tile)
        game.pressTile(tile);
    EXPECT_EQ(window.log, Log(kTiles, kSaid + std::string(kNoGameRunningText)));
    EXPECT_EQ(game.arrangement(), kHomeArrangement);
}

TEST_F(Actions, StartShowsTheFixedBoardThenSaysSo)
{
    clock.set(9, 5, 7);
    game.start();
    EXPECT_EQ(window.log, (Log{"show board running texts", kSaid + std::string(kGameStartedText)}));
    const WindowView& view = window.shown;
    EXPECT_EQ(boardText(view), kFixedBoard);
    EXPECT_TRUE(view.gameRunning);
    EXPECT_TRUE(view.gridLinesVisible);
    EXPECT_FALSE(view.pictureListEnabled);
    EXPECT_TRUE(view.playClockRunning);
    EXPECT_EQ(view.startTimeText, "9 : 5 : 7");
    // The play time and the count wait for the first tick and the first move.
    EXPECT_EQ(view.playTimeText + view.movesText, "");
}

TEST_F(Actions, StartModeAppliesFromTheNextStart)
{
    clock.set(10, 12, 34);
    game.start();
    game.chooseStartMode(StartMode::clock);
    EXPECT_EQ(game.arrangement(), kFixedArrangement);
    game.start();
    EXPECT_EQ(game.arrangement(), clockArrangement(12, 34));
    EXPECT_EQ(boardText(window.shown), "10 2 0 8 / 4 6 3 . / 1 7 5 9");
    game.chooseStartMode(StartMode::fixed);
    game.start();
    EXPECT_EQ(game.arrangement(), kFixedArrangement);
}

TEST_F(Actions, VorschauAbandonsTheGameAndKeepsTheTexts)
{
    startFixed();
    game.pressTile(9); // the tile left of the hole in the fixed start
    clock.monotonic += 7000;
    game.tick();
    window.log.clear();

    game.preview();
    EXPECT_EQ(window.log, Log{"show board running"});
    EXPECT_EQ(boardText(window.shown), kHome);
    EXPECT_FALSE(window.shown.gameRunning);
    EXPECT_FALSE(window.shown.gridLinesVisible);
    EXPECT_TRUE(window.shown.pictureListEnabled);
    EXPECT_FALSE(window.shown.playClockRunning);
    EXPECT_EQ(window.shown.movesText, "1");
    EXPECT_EQ(window.shown.playTimeText, "0 : 7");
    EXPECT_EQ(window.shown.startTimeText, "10 : 0 : 0");

    // The abandoned game takes no more presses; a screen reader hears why.
    window.log.clear();
    game.pressTile(10);
    EXPECT_EQ(window.log, Log{kSaid + std::string(kNoGameRunningText)});
}

TEST_F(Actions, StartDuringAGameKeepsCountingAndRestartsThePlayTime)
{
    clock.monotonic = 1'000'000;
    startFixed();
    game.pressTile(9);
    clock.monotonic += 95'000;
    game.tick();
    EXPECT_EQ(window.shown.playTimeText, "1 : 35");

    clock.set(11, 0, 0);
    game.start();
    // Until the next tick the old play time stays on display.
    EXPECT_EQ(window.shown.playTimeText, "1 : 35");
    EXPECT_EQ(window.shown.startTimeText, "11 : 0 : 0");
    clock.monotonic += 2'000;
    game.tick();
    EXPECT_EQ(window.shown.playTimeText, "0 : 2");
    game.pressTile(9);
    EXPECT_EQ(window.shown.movesText, "2");
}

TEST(PlayTimeText, ShowsMinutesAndSecondsWithoutLeadingZerosAndDropsHours)
{
    EXPECT_EQ(playTimeText(0), "0 : 0");
    EXPECT_EQ(playTimeText(7'999), "0 : 7");
    EXPECT_EQ(playTimeText(750'000), "12 : 30");
    EXPECT_EQ(playTimeText((61 * 60 + 5) * 1000), "1 : 5");
    EXPECT_EQ(playTimeText(59'999), "0 : 59");
    EXPECT_EQ(playTimeText(60'000), "1 : 0");
}

TEST_F(Actions, PlayTimeFollowsTheMonotonicClockAndShowsOnlyChanges)
{
    clock.set(10, 30, 0);
    clock.monotonic = 5'000;
    game.start();
    window.log.clear();

    clock.monotonic += 60'000;
    // Somebody sets the system clock back an hour, and later forward by a day.
    clock.set(9, 31, 0);
    game.tick();
    EXPECT_EQ(window.shown.playTimeText, "1 : 0");
    clock.local.day += 1;
    clock.monotonic += 500;
    game.tick(); // the same second: nothing to show again
    clock.monotonic += 500;
    game.tick();
    EXPECT_EQ(window.shown.playTimeText, "1 : 1");
    EXPECT_EQ(window.shown.startTimeText, "10 : 30 : 0");
    EXPECT_EQ(window.log, (Log{"show texts", "show texts"}));
}

TEST_F(Actions, ChoosingAPictureChangesThePictureAndNothingElse)
{
    game.choosePicture(1);
    EXPECT_EQ(window.log, Log{"show picture"});
    WindowView expected;
    expected.pictureSet = 1;
    EXPECT_EQ(window.shown, expected);
    EXPECT_EQ(bitmapNumber(1, 0), 101);
    EXPECT_EQ(bitmapNumber(0, 11), 124);

    game.choosePicture(0); // "Kinder" again: shown again, though nothing differs
    EXPECT_EQ(window.log.back(), "show picture");
    EXPECT_EQ(window.shown, WindowView{});
}

TEST_F(Actions, GapPressedIsAnsweredAndTschuessClosesTheWindow)
{
    startFixed();
    game.pressGap();
    game.quit();
    EXPECT_EQ(window.log, (Log{kSaid + std::string(kGapPressedText), "close"}));
    EXPECT_EQ(game.arrangement(), kFixedArrangement);
}

} // namespace
} // namespace rutschbild::testing

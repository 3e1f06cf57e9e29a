// The handlers of the window, without a toolkit.
#include "fake_front_end.h"
#include "game_control.h"

#include <gtest/gtest.h>

namespace rutschbild::testing {
namespace {

using Log = std::vector<std::string>;

class Control : public ::testing::Test {
protected:
    Control()
    {
        control.load();
        front.log.clear();
    }

    // Runs one handler and returns what it did to the window.
    template <typename Handler>
    Log logOf(Handler handler)
    {
        front.log.clear();
        handler();
        return front.log;
    }

    FakeClock clock;
    FakeFrontEnd front;
    GameControl control{front, clock};
};

TEST(ControlLoad, RecordsTheDesignedPlacesHidesTheLinesFillsTheListAndLoadsKinder)
{
    FakeClock clock;
    FakeFrontEnd front;
    GameControl control(front, clock);
    control.load();

    EXPECT_TRUE(control.state().gameOver);
    EXPECT_EQ(control.state().startMode, StartMode::fixed);
    for (int slot = 0; slot < 12; ++slot) {
        EXPECT_EQ(control.state().slotPlaces[slot].top, designedTop(slot));
        EXPECT_EQ(control.state().slotPlaces[slot].left, designedLeft(slot));
    }
    Log expected{"lines off", "item Kinder", "item Garten"};
    for (int tile = 0; tile < 12; ++tile)
        expected.push_back("picture " + std::to_string(tile) + " " + std::to_string(113 + tile));
    // Nothing else: no selection, no timer, the value labels stay empty.
    EXPECT_EQ(front.log, expected);
    EXPECT_EQ(front.selectedItem, -1);
}

TEST_F(Control, TileClicksBeforeTheFirstStartChangeNothing)
{
    for (int tile = 0; tile < 12; ++tile)
        EXPECT_EQ(logOf([&] { control.tileClicked(tile); }), Log{});
    EXPECT_EQ(front.told.size(), 12U); // "no game" for each: a screen reader hears why
    EXPECT_EQ(front.told.back(), "no game 11");
}

TEST_F(Control, StartSetsUpTheFixedBoardInOrder)
{
    clock.set(9, 5, 7);
    const Log log = logOf([&] { control.startClicked(); });

    Log expected{"starttime 9 : 5 : 7", "tile11 off"};
    for (int tile = 0; tile < 11; ++tile) {
        const int slot = kFixedArrangement[tile];
        expected.push_back("place " + std::to_string(tile) + " " + std::to_string(slot) + " " +
                           std::to_string(designedTop(slot)) + " " +
                           std::to_string(designedLeft(slot)));
    }
    expected.insert(expected.end(), {"lines on", "clock on", "list off"});
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(control.state().gameOver);
    // Told last, once the board is set up.
    EXPECT_EQ(front.told, Log{"started"});
}

TEST_F(Control, OptionClickAppliesFromTheNextStart)
{
    clock.set(10, 12, 34);
    control.startClicked();
    control.startModeClicked(1);
    EXPECT_EQ(control.state().tileSlots, kFixedArrangement);
    control.startClicked();
    EXPECT_EQ(control.state().tileSlots, clockArrangement(12, 34));
    for (int tile = 0; tile < 11; ++tile)
        EXPECT_EQ(front.tiles[tile].left, designedLeft(control.state().tileSlots[tile]));
    control.startModeClicked(0);
    control.startClicked();
    EXPECT_EQ(control.state().tileSlots, kFixedArrangement);
}

TEST_F(Control, VorschauAbandonsTheGameAndKeepsTheTexts)
{
    control.startClicked();
    control.tileClicked(9); // the tile left of the hole in the fixed start
    clock.monotonic += 7000;
    control.playClockTicked();

    const Log log = logOf([&] { control.previewClicked(); });
    Log expected;
    for (int tile = 0; tile < 12; ++tile)
        expected.push_back("place " + std::to_string(tile) + " " + std::to_string(tile) + " " +
                           std::to_string(designedTop(tile)) + " " +
                           std::to_string(designedLeft(tile)));
    expected.insert(expected.end(), {"clock off", "tile11 on", "list on", "lines off"});
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(control.state().gameOver);
    EXPECT_EQ(front.moves, "1");
    EXPECT_EQ(front.playTime, "0 : 7");
    EXPECT_EQ(front.told, (Log{"started", "moved 9 11", "ended"}));

    // The abandoned game takes no more clicks; a screen reader hears why.
    EXPECT_EQ(logOf([&] { control.tileClicked(10); }), Log{});
    EXPECT_EQ(front.told.back(), "no game 10");
}

TEST_F(Control, StartDuringAGameKeepsCountingAndRestartsThePlayTime)
{
    clock.monotonic = 1'000'000;
    control.startClicked();
    control.tileClicked(9);
    clock.monotonic += 95'000;
    control.playClockTicked();
    EXPECT_EQ(front.playTime, "1 : 35");

    clock.set(11, 0, 0);
    control.startClicked();
    // Until the next tick the old play time stays on display.
    EXPECT_EQ(front.playTime, "1 : 35");
    EXPECT_EQ(front.startTime, "11 : 0 : 0");
    clock.monotonic += 2'000;
    control.playClockTicked();
    EXPECT_EQ(front.playTime, "0 : 2");
    control.tileClicked(9);
    EXPECT_EQ(front.moves, "2");
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

TEST_F(Control, PlayTimeFollowsTheMonotonicClockNotTheLocalTime)
{
    clock.set(10, 30, 0);
    clock.monotonic = 5'000;
    control.startClicked();

    clock.monotonic += 60'000;
    // Somebody sets the system clock back an hour, and later forward by a day.
    clock.set(9, 31, 0);
    control.playClockTicked();
    EXPECT_EQ(front.playTime, "1 : 0");
    clock.local.day += 1;
    clock.monotonic += 500;
    control.playClockTicked();
    EXPECT_EQ(front.playTime, "1 : 0");
    clock.monotonic += 500;
    control.playClockTicked();
    EXPECT_EQ(front.playTime, "1 : 1");
    EXPECT_EQ(front.startTime, "10 : 30 : 0");
}

TEST_F(Control, ListClickLoadsTheChosenSetAndNothingElse)
{
    front.selectedItem = 1;
    Log expected;
    for (int tile = 0; tile < 12; ++tile)
        expected.push_back("picture " + std::to_string(tile) + " " + std::to_string(101 + tile));
    EXPECT_EQ(logOf([&] { control.pictureListClicked(); }), expected);

    front.selectedItem = 0;
    control.pictureListClicked();
    for (int tile = 0; tile < 12; ++tile)
        EXPECT_EQ(front.pictures[tile], 113 + tile);
}

TEST_F(Control, TschuessClosesTheWindow)
{
    EXPECT_EQ(logOf([&] { control.quitClicked(); }), Log{"close"});
}

} // namespace
} // namespace rutschbild::testing

#include "accessible_text.h"
#include "game_fixture.h"

namespace rutschbild::testing {
namespace {

using Lines = std::vector<std::string>;
using TilePress = GameFixture;

// The fixed board, row by row:   1 10  4  2
//                                3  0  7  6
//                                5  8  9  .

TEST_F(TilePress, TileAboveTheHoleSlidesDown)
{
    startFixed();
    game.pressTile(6); // slot 7, hole in slot 11 below it
    EXPECT_EQ(window.log,
              (Lines{"show board texts", "beep", "say Bildteil 7 nach Reihe 3, Spalte 4."}));
    EXPECT_EQ(boardText(window.shown), "1 10 4 2 / 3 0 7 . / 5 8 9 6");
    EXPECT_EQ(window.shown.movesText, "1");
    EXPECT_TRUE(window.shown.gameRunning);
}

TEST_F(TilePress, TileLeftOfTheHoleSlidesRightAndBackLeft)
{
    startFixed();
    game.pressTile(9); // slot 10
    EXPECT_EQ(boardText(window.shown), "1 10 4 2 / 3 0 7 6 / 5 8 . 9");
    game.pressTile(9); // the tile that just moved goes back, and counts again
    EXPECT_EQ(boardText(window.shown), "1 10 4 2 / 3 0 7 6 / 5 8 9 .");
    EXPECT_EQ(window.shown.movesText, "2");
    EXPECT_EQ(window.beeps, 2);
}

TEST_F(TilePress, TileBelowTheHoleSlidesUp)
{
    startFixed();
    game.pressTile(6); // hole now in slot 7
    game.pressTile(6); // from slot 11 back up into slot 7
    EXPECT_EQ(game.arrangement()[6], 7);
    EXPECT_EQ(hole(), 11);
}

TEST_F(TilePress, TileNotNextToTheHoleChangesNothingButIsAnswered)
{
    startFixed();
    Lines expected;
    for (const int tile : {0, 1, 2, 3, 4, 5, 7, 10}) {
        game.pressTile(tile);
        // A player who cannot see the board learns it did not move.
        expected.push_back("say " + tileDidNotMoveText(tile));
    }
    EXPECT_EQ(window.log, expected);
    EXPECT_EQ(game.arrangement(), kFixedArrangement);
    EXPECT_EQ(game.moveCount(), 0U);
    EXPECT_TRUE(game.view().gameRunning);
}

TEST_F(TilePress, NoWrapFromTheEndOfOneRowToTheStartOfTheNext)
{
    // Slots 3 and 4 differ by one but are not neighbours.
    startAt(0, 15, StartMode::clock);
    ASSERT_EQ(hole(), 3);
    game.pressTile(tileInSlot(4));
    EXPECT_EQ(hole(), 3);

    startAt(0, 20, StartMode::clock);
    ASSERT_EQ(hole(), 4);
    game.pressTile(tileInSlot(3));
    EXPECT_EQ(hole(), 4);

    startAt(0, 35, StartMode::clock); // likewise slots 7 and 8
    ASSERT_EQ(hole(), 7);
    game.pressTile(tileInSlot(8));
    EXPECT_EQ(hole(), 7);
    EXPECT_EQ(window.beeps, 0);
}

TEST_F(TilePress, EveryNeighbourOfTheHoleCanMoveFromEveryHolePosition)
{
    for (int second = 0; second < 56; second += 5) {
        startAt(30, second, StartMode::clock);
        const int from = hole();
        for (int slot = 0; slot < kTiles; ++slot) {
            if (!areNeighbours(slot, from))
                continue;
            const int tile = tileInSlot(slot);
            game.pressTile(tile);
            ASSERT_EQ(hole(), slot) << "hole " << from << ", tile in slot " << slot;
            ASSERT_EQ(window.shown.tileInSlot[from], tile);
            ASSERT_EQ(window.shown.tileInSlot[slot], kNoTile);
            game.pressTile(tile); // and back
            ASSERT_EQ(hole(), from);
        }
    }
}

TEST_F(TilePress, IgnoredWhileNoGameRunsButAnswered)
{
    startFixed();
    game.preview();
    window.log.clear();
    for (int tile = 0; tile < kTiles; ++tile)
        game.pressTile(tile);
    EXPECT_EQ(window.log, Lines(kTiles, "say " + std::string(kNoGameRunningText)));
    EXPECT_EQ(game.arrangement(), kHomeArrangement);
    EXPECT_EQ(game.moveCount(), 0U);
}

TEST_F(TilePress, MoveCountGoesOnAcrossGamesAndPastSixteenBits)
{
    startFixed();
    game.pressTile(9);
    startFixed();
    game.pressTile(9);
    EXPECT_EQ(window.shown.movesText, "2");

    // Back and forth until the count passes what sixteen bits hold.
    while (game.moveCount() < 65536) {
        game.pressTile(9);
        window.log.clear();
    }
    EXPECT_EQ(window.shown.movesText, "65536");
    game.pressTile(9);
    EXPECT_EQ(window.shown.movesText, "65537");
}

} // namespace
} // namespace rutschbild::testing

#include "game_fixture.h"

namespace rutschbild::testing {
namespace {

using Lines = std::vector<std::string>;
using TileClick = GameFixture;

// The fixed board, row by row:   1 10  4  2
//                                3  0  7  6
//                                5  8  9  .

TEST_F(TileClick, TileAboveTheHoleSlidesDown)
{
    startFixed();
    game.clickTile(6); // slot 7, hole in slot 11 below it
    EXPECT_EQ(window.log, (Lines{"place 6 11 3990 5835", "beep", "moves 1"}));
    EXPECT_EQ(window.told, Lines{"moved 6 11"});
    EXPECT_EQ(game.state().tileSlots[6], 11);
    EXPECT_EQ(hole(), 7);
    EXPECT_FALSE(game.state().gameOver);
}

TEST_F(TileClick, TileLeftOfTheHoleSlidesRightAndBackLeft)
{
    startFixed();
    game.clickTile(9); // slot 10
    EXPECT_EQ(game.state().tileSlots[9], 11);
    EXPECT_EQ(hole(), 10);
    game.clickTile(9); // the tile that just moved goes back, and counts again
    EXPECT_EQ(game.state().tileSlots[9], 10);
    EXPECT_EQ(hole(), 11);
    EXPECT_EQ(window.log, (Lines{"place 9 11 3990 5835", "beep", "moves 1", "place 9 10 3990 3930",
                                 "beep", "moves 2"}));
}

TEST_F(TileClick, TileBelowTheHoleSlidesUp)
{
    startFixed();
    game.clickTile(6); // hole now in slot 7
    game.clickTile(6); // from slot 11 back up into slot 7
    EXPECT_EQ(game.state().tileSlots[6], 7);
    EXPECT_EQ(window.tiles[6].top, 2295);
    EXPECT_EQ(window.tiles[6].left, 5835);
    EXPECT_EQ(window.moves, "2");
}

TEST_F(TileClick, TileNotNextToTheHoleChangesNothing)
{
    startFixed();
    for (const int tile : {0, 1, 2, 3, 4, 5, 7, 10}) {
        game.clickTile(tile);
        EXPECT_TRUE(window.log.empty()) << "tile " << tile;
    }
    EXPECT_EQ(game.state().tileSlots, kFixedArrangement);
    EXPECT_EQ(window.beeps, 0);
    EXPECT_EQ(window.moves, "");
    EXPECT_FALSE(game.state().gameOver); // the solved check ran and the game goes on
    // Each press is answered, so a player who cannot see the board learns it did not move.
    EXPECT_EQ(window.told, (Lines{"stayed 0", "stayed 1", "stayed 2", "stayed 3", "stayed 4",
                                  "stayed 5", "stayed 7", "stayed 10"}));
}

TEST_F(TileClick, NoWrapFromTheEndOfOneRowToTheStartOfTheNext)
{
    // Slots 3 and 4 differ by one but are not neighbours.
    startAt(0, 15, 1);
    ASSERT_EQ(hole(), 3);
    game.clickTile(tileInSlot(4));
    EXPECT_EQ(hole(), 3);

    startAt(0, 20, 1);
    ASSERT_EQ(hole(), 4);
    game.clickTile(tileInSlot(3));
    EXPECT_EQ(hole(), 4);

    startAt(0, 35, 1); // likewise slots 7 and 8
    ASSERT_EQ(hole(), 7);
    game.clickTile(tileInSlot(8));
    EXPECT_EQ(hole(), 7);

    EXPECT_TRUE(window.log.empty());
}

TEST_F(TileClick, EveryNeighbourOfTheHoleCanMoveFromEveryHolePosition)
{
    for (int second = 0; second < 56; second += 5) {
        startAt(30, second, 1);
        const int from = hole();
        const int row = rowOf(from);
        const int column = columnOf(from);
        std::vector<int> neighbours;
        if (row > 0)
            neighbours.push_back(from - kColumns);
        if (row < kRows - 1)
            neighbours.push_back(from + kColumns);
        if (column > 0)
            neighbours.push_back(from - 1);
        if (column < kColumns - 1)
            neighbours.push_back(from + 1);
        for (const int slot : neighbours) {
            const int tile = tileInSlot(slot);
            game.clickTile(tile);
            ASSERT_EQ(hole(), slot) << "hole " << from << ", tile in slot " << slot;
            ASSERT_EQ(game.state().tileSlots[tile], from);
            game.clickTile(tile); // and back
            ASSERT_EQ(hole(), from);
        }
    }
}

TEST_F(TileClick, IgnoredWhileNoGameRuns)
{
    // Before the first start every tile reads slot 0.
    for (int tile = 0; tile < kTiles; ++tile)
        game.clickTile(tile);
    startFixed();
    window.told.clear();
    game.setGameOver(true); // as after "Vorschau"
    for (int tile = 0; tile < kTiles; ++tile)
        game.clickTile(tile);
    EXPECT_TRUE(window.log.empty());
    // Nothing moved, but a screen reader hears why, once for each press.
    ASSERT_EQ(window.told.size(), static_cast<std::size_t>(kTiles));
    EXPECT_EQ(window.told.front(), "no game 0");
    EXPECT_EQ(window.told.back(), "no game 11");
    EXPECT_EQ(game.state().tileSlots, kFixedArrangement);
}

TEST_F(TileClick, MoveCountGoesOnAcrossGamesAndPastSixteenBits)
{
    startFixed();
    game.clickTile(9);
    startFixed();
    game.clickTile(9);
    EXPECT_EQ(window.moves, "2");

    // Back and forth until the count passes what sixteen bits hold.
    while (game.state().moveCount < 65536) {
        game.clickTile(9);
        window.log.clear();
    }
    EXPECT_EQ(window.moves, "65536");
    game.clickTile(9);
    EXPECT_EQ(window.moves, "65537");
}

TEST_F(TileClick, LinesFollowTheGameState)
{
    startFixed();
    game.showGridLines();
    EXPECT_TRUE(window.linesVisible);
    game.setGameOver(true);
    game.showGridLines();
    EXPECT_FALSE(window.linesVisible);
}

} // namespace
} // namespace rutschbild::testing

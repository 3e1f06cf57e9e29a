#include "arrangement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace rutschbild {
namespace {

// The clock rule word for word, without the repairs: seconds 58-59 give hole 12, minutes 58-59
// give tile 0 a 12 that is compared with the hole before it turns into 10. Entries may lie off
// the board or clash; `isValid` tells.
Arrangement unmendedClockArrangement(int minute, int second)
{
    const auto nearest = [](double x) { return static_cast<int>(std::nearbyint(x)); };
    Arrangement position{};
    const int hole = nearest(second / 5.0);
    int tile0 = nearest(minute / 5.0);
    if (tile0 == hole)
        ++tile0;
    if (tile0 == 12)
        tile0 = 10;
    int tile1 = nearest(tile0 <= 5 ? (tile0 + 12) / 2.0 : tile0 / 2.0); // halves to even
    if (tile1 == hole)
        ++tile1;
    position[kHoleTile] = static_cast<std::int16_t>(hole);
    position[0] = static_cast<std::int16_t>(tile0);
    position[1] = static_cast<std::int16_t>(tile1);
    size_t next = 0;
    for (int slot = 0; slot < kTiles && next < kHandOutOrder.size(); ++slot) {
        if (slot != tile0 && slot != tile1 && slot != hole)
            position[kHandOutOrder[next++]] = static_cast<std::int16_t>(slot);
    }
    return position;
}

TEST(ClockArrangement, EveryReadingGivesAValidSolvableBoardAndKeepsEveryGoodOne)
{
    int unmendedValid = 0;
    int unmendedSolvable = 0;
    std::set<Arrangement> validBoards;
    std::set<Arrangement> solvableBoards;
    for (int minute = 0; minute < 60; ++minute) {
        for (int second = 0; second < 60; ++second) {
            SCOPED_TRACE(::testing::Message() << "m = " << minute << ", s = " << second);
            const Arrangement mended = clockArrangement(minute, second);
            ASSERT_TRUE(isValid(mended));
            ASSERT_TRUE(isSolvable(mended));

            const Arrangement unmended = unmendedClockArrangement(minute, second);
            if (!isValid(unmended))
                continue;
            ++unmendedValid;
            validBoards.insert(unmended);
            // Repairing parity may exchange tiles 5 and 9 only; hole, tile 0 and tile 1 stay.
            for (const int tile : {0, 1, 2, 3, 4, 6, 7, 8, 10, 11})
                ASSERT_EQ(mended[tile], unmended[tile]);
            if (isSolvable(unmended)) {
                ++unmendedSolvable;
                solvableBoards.insert(unmended);
                ASSERT_EQ(mended, unmended);
            }
        }
    }
    // The unrepaired rule's own figures: the reference above reads the rule as the game did.
    EXPECT_EQ(unmendedValid, 3470);
    EXPECT_EQ(unmendedSolvable, 1781);
    EXPECT_EQ(validBoards.size(), 132u);
    EXPECT_EQ(solvableBoards.size(), 68u);
}

TEST(ClockArrangement, WorkedExamples)
{
    EXPECT_EQ(clockArrangement(12, 34), (Arrangement{2, 8, 1, 6, 4, 10, 5, 9, 3, 11, 0, 7}));
    EXPECT_EQ(clockArrangement(45, 57), (Arrangement{9, 4, 1, 6, 3, 8, 5, 7, 2, 10, 0, 11}));
    // 6.5 rounds to 6 (halves to even) for tile 1; the parity repair swaps tiles 5 and 9.
    EXPECT_EQ(clockArrangement(0, 0), (Arrangement{1, 6, 3, 8, 5, 11, 7, 9, 4, 10, 2, 0}));
}

TEST(ClockArrangement, OnlyTheFiveSecondAndFiveMinuteBandsMatter)
{
    EXPECT_EQ(clockArrangement(10, 34), clockArrangement(12, 34));
    EXPECT_EQ(clockArrangement(12, 33), clockArrangement(12, 37));
    EXPECT_NE(clockArrangement(12, 37), clockArrangement(12, 38));
    EXPECT_NE(clockArrangement(12, 34), clockArrangement(13, 34));
}

TEST(ClockArrangement, ReadingsOffTheBoardAreFoldedBackOn)
{
    // Seconds 58-59 join 0-2: the hole is slot 0.
    EXPECT_EQ(clockArrangement(20, 58)[kHoleTile], 0);
    EXPECT_EQ(clockArrangement(20, 59), clockArrangement(20, 0));
    // Minutes 58-59 with the hole in slot 10: tile 0 would land on the hole.
    const Arrangement late = clockArrangement(59, 50);
    EXPECT_EQ(late[kHoleTile], 10);
    EXPECT_EQ(late[0], 11);
    // Both at once.
    const Arrangement both = clockArrangement(58, 59);
    EXPECT_EQ(both[kHoleTile], 0);
    EXPECT_EQ(both[0], 10);
}

TEST(Solvability, ParityOfThePermutationAgainstTheHolesDistance)
{
    Arrangement solved{};
    for (int tile = 0; tile < kTiles; ++tile)
        solved[tile] = static_cast<std::int16_t>(tile);
    EXPECT_TRUE(isSolvable(solved));
    EXPECT_TRUE(isSolvable(kFixedArrangement));

    Arrangement twoSwapped = solved;
    std::swap(twoSwapped[0], twoSwapped[1]);
    EXPECT_FALSE(isSolvable(twoSwapped));

    Arrangement oneMoveAway = solved; // the tile from slot 10 slid into the hole
    std::swap(oneMoveAway[10], oneMoveAway[kHoleTile]);
    EXPECT_TRUE(isSolvable(oneMoveAway));
    std::swap(oneMoveAway[0], oneMoveAway[1]);
    EXPECT_FALSE(isSolvable(oneMoveAway));
}

TEST(Validity, RejectsOffBoardAndClashingSlots)
{
    EXPECT_TRUE(isValid(kFixedArrangement));
    Arrangement clash = kFixedArrangement;
    clash[0] = clash[1];
    EXPECT_FALSE(isValid(clash));
    Arrangement offBoard = kFixedArrangement;
    offBoard[kHoleTile] = 12;
    EXPECT_FALSE(isValid(offBoard));
    offBoard[kHoleTile] = -1;
    EXPECT_FALSE(isValid(offBoard));
}

} // namespace
} // namespace rutschbild

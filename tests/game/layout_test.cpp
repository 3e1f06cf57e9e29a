// The one table every front end builds its window from, and the board's slot helpers.
#include "accessible_text.h"
#include "layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace rutschbild::layout {
namespace {

TEST(Slots, RowsColumnsAndNeighboursNeverWrapAcrossARowEnd)
{
    EXPECT_EQ(rowOf(7), 1);
    EXPECT_EQ(columnOf(7), 3);
    EXPECT_EQ(slotAt(2, 3), 11);
    int pairs = 0;
    for (int a = 0; a < kTiles; ++a) {
        for (int b = 0; b < kTiles; ++b) {
            const bool sideBySide = rowOf(a) == rowOf(b) && std::abs(a - b) == 1;
            const bool stacked = std::abs(a - b) == kColumns;
            EXPECT_EQ(areNeighbours(a, b), sideBySide || stacked) << a << " " << b;
            pairs += areNeighbours(a, b);
        }
    }
    EXPECT_EQ(pairs, 2 * 17); // 3 rows of 3 plus 4 columns of 2 edges, both directions
    EXPECT_FALSE(areNeighbours(3, 4));
    EXPECT_FALSE(areNeighbours(7, 8));
}

TEST(Layout, BoardGeometryMatchesTheDesignedTwips)
{
    EXPECT_EQ(slotBox(0).left, 120);
    EXPECT_EQ(slotBox(0).top, 600);
    const TwipRect last = slotBox(11);
    EXPECT_EQ(last.left, 5835);
    EXPECT_EQ(last.top, 3990);
    EXPECT_EQ(last.left + last.width, 7740);
    EXPECT_EQ(last.top + last.height, 5685);
    const TwipLine expected[] = {{120, 2295, 7740, 2295},
                                 {120, 3990, 7740, 3990},
                                 {2025, 600, 2025, 5685},
                                 {3930, 600, 3930, 5685},
                                 {5835, 600, 5835, 5685}};
    ASSERT_EQ(kGridLineCount, 5);
    for (int i = 0; i < kGridLineCount; ++i) {
        EXPECT_EQ(gridLine(i).x1, expected[i].x1) << i;
        EXPECT_EQ(gridLine(i).y1, expected[i].y1) << i;
        EXPECT_EQ(gridLine(i).x2, expected[i].x2) << i;
        EXPECT_EQ(gridLine(i).y2, expected[i].y2) << i;
    }
}

TEST(Layout, ControlTableHasUniqueNamesAndTabIndexesAndFramesThatHoldTheirControls)
{
    std::set<std::string_view> names;
    std::set<int> tabs;
    for (const Control& c : kControls) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        EXPECT_TRUE(tabs.insert(c.tabIndex).second) << c.name;
        EXPECT_EQ(&control(c.id), &c);
        const TwipRect box = windowBox(c);
        EXPECT_LE(box.left + box.width, kClientWidth) << c.name;
        EXPECT_LE(box.top + box.height, kClientHeight) << c.name;
        if (inFrame(c)) {
            const Control& frame = control(c.frame);
            EXPECT_EQ(frame.role, Role::Frame) << c.name;
            EXPECT_LE(c.box.left + c.box.width, frame.box.width) << c.name;
            EXPECT_LE(c.box.top + c.box.height, frame.box.height) << c.name;
        }
        if (c.role == Role::ValueLabel)
            EXPECT_EQ(control(c.caption).role, Role::Label) << c.name;
        else
            EXPECT_EQ(c.caption, c.id) << c.name;
    }
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), static_cast<int>(kControls.size()) - 1);
    EXPECT_EQ(windowBox(control(ControlId::pictureList)).left, 8160);
    EXPECT_EQ(windowBox(control(ControlId::clockStartOption)).top, 1320);
    EXPECT_EQ(control(ControlId::quitButton).text, "Tschüss");
    EXPECT_EQ(control(ControlId::movesValue).caption, ControlId::movesCaption);
}

TEST(AccessibleText, TilesAndPlacesAreCountedFromOne)
{
    EXPECT_EQ(tileName(0), "Bildteil 1");
    EXPECT_EQ(tileName(11), "Bildteil 12");
    EXPECT_EQ(placeDescription(0), "Reihe 1, Spalte 1");
    EXPECT_EQ(placeDescription(6), "Reihe 2, Spalte 3");
    EXPECT_EQ(placeDescription(11), "Reihe 3, Spalte 4");
    // What a screen reader says after a press: one sentence, the gap by the board's own word.
    EXPECT_EQ(tileMovedText(6, 6), "Bildteil 7 nach Reihe 2, Spalte 3.");
    EXPECT_EQ(tileMovedText(11, 0), "Bildteil 12 nach Reihe 1, Spalte 1.");
    EXPECT_EQ(tileDidNotMoveText(6), "Bildteil 7 liegt nicht neben der Lücke.");
    // A press that does nothing says why, in one sentence.
    for (std::string_view why : {kNoGameRunningText, kGapPressedText}) {
        EXPECT_EQ(why.back(), '.');
        EXPECT_EQ(std::count(why.begin(), why.end(), '.'), 1);
    }
}

} // namespace
} // namespace rutschbild::layout

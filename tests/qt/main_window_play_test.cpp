// Whole games through real mouse and key events on MainWindow.
#include "main_window_fixture.h"
#include "solver.h"

#include <QMouseEvent>
#include <QWheelEvent>

namespace rutschbild::testing {
namespace {

using MainWindowPlay = MainWindowTest;

TEST_F(MainWindowPlay, SolvingTheFixedStartEndsTheGame)
{
    clock.set(9, 5, 7);
    click("startButton");
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(slotOf(i), kFixedArrangement[i]) << i;
    EXPECT_FALSE(tile(11)->isVisible());
    EXPECT_FALSE(control("pictureList")->isEnabled());
    EXPECT_TRUE(timer()->isActive());
    EXPECT_TRUE(line(0)->isVisible());
    EXPECT_EQ(text("startTimeValue"), "9 : 5 : 7");

    const auto solution = solve(kFixedArrangement);
    ASSERT_TRUE(solution.has_value());
    for (const int i : *solution)
        clickTile(i);

    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(slotOf(i), i) << i;
    expectNoGame();
    EXPECT_EQ(text("movesValue"), QString::number(solution->size()));

    // A finished game takes no more clicks.
    clickTile(10);
    EXPECT_EQ(slotOf(10), 10);
    EXPECT_EQ(text("movesValue"), QString::number(solution->size()));
}

TEST_F(MainWindowPlay, ClockModeStartsTheBoardOfTheStartTime)
{
    QTest::mouseClick(control("clockStartOption"), Qt::LeftButton);
    clock.set(10, 12, 34);
    click("startButton");
    const Arrangement expected{2, 8, 1, 6, 4, 10, 5, 9, 3, 11, 0, 7};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(slotOf(i), expected[i]) << i;
    // Tile 11 never moves; only its slot is the hole.
    EXPECT_EQ(slotOf(11), 11);
}

TEST_F(MainWindowPlay, OptionChosenByArrowKeyAppliesToo)
{
    QTest::keyClick(control("fixedStartOption"), Qt::Key_Down);
    EXPECT_TRUE(control<QRadioButton>("clockStartOption")->isChecked());
    clock.set(10, 45, 57);
    click("startButton");
    EXPECT_EQ(slotOf(0), 9);
}

TEST_F(MainWindowPlay, VorschauDuringAGameShowsTheWholePictureAndStopsTheClock)
{
    click("startButton");
    clickTile(9);
    clock.monotonic += 7'000;
    tick();
    click("previewButton");

    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(slotOf(i), i) << i;
    expectNoGame();
    EXPECT_EQ(text("playTimeValue"), "0 : 7");
    EXPECT_EQ(text("movesValue"), "1");
    clickTile(10);
    EXPECT_EQ(text("movesValue"), "1");
}

TEST_F(MainWindowPlay, StartDuringAGameCountsOnAndRestartsThePlayTime)
{
    click("startButton");
    clickTile(9);
    clock.monotonic += 12 * 60'000 + 30'000;
    tick();
    EXPECT_EQ(text("playTimeValue"), "12 : 30");

    click("startButton");
    EXPECT_EQ(slotOf(9), 10);
    EXPECT_EQ(text("playTimeValue"), "12 : 30");
    clock.monotonic += 7'000;
    tick();
    EXPECT_EQ(text("playTimeValue"), "0 : 7");
    clickTile(9);
    EXPECT_EQ(text("movesValue"), "2");
}

TEST_F(MainWindowPlay, PlayTimeDropsHoursAndIgnoresTheLocalClockBeingSetBack)
{
    clock.set(10, 0, 0);
    click("startButton");
    clock.set(8, 0, 0); // set back two hours during the game
    clock.monotonic += (61 * 60 + 5) * 1000;
    tick();
    EXPECT_EQ(text("playTimeValue"), "1 : 5");
    clock.monotonic += 500;
    tick();
    EXPECT_EQ(text("playTimeValue"), "1 : 5");
    EXPECT_EQ(text("startTimeValue"), "10 : 0 : 0");
}

// Sends one raw mouse event at the centre of a widget, at a given time in milliseconds.
void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButtons buttons, quint64 time)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QMouseEvent event(type, centre, widget->mapToGlobal(centre), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    event.setTimestamp(time);
    QCoreApplication::sendEvent(widget, &event);
}

TEST_F(MainWindowPlay, ADoubleClickMovesATileOnce)
{
    click("startButton");
    sendMouse(tile(9), QEvent::MouseButtonPress, Qt::LeftButton, 1000);
    sendMouse(tile(9), QEvent::MouseButtonRelease, Qt::NoButton, 1050);
    sendMouse(tile(9), QEvent::MouseButtonDblClick, Qt::LeftButton, 1150);
    sendMouse(tile(9), QEvent::MouseButtonRelease, Qt::NoButton, 1200);
    EXPECT_EQ(slotOf(9), 11);
    EXPECT_EQ(text("movesValue"), "1");
}

TEST_F(MainWindowPlay, AQuickClickOnAnotherTileStillCounts)
{
    click("startButton");
    // Tile 9 slides right into the hole; tile 8 follows at once. Qt may hand the second press
    // over as a double-click, but it belongs to another tile.
    sendMouse(tile(9), QEvent::MouseButtonPress, Qt::LeftButton, 1000);
    sendMouse(tile(9), QEvent::MouseButtonRelease, Qt::NoButton, 1050);
    sendMouse(tile(8), QEvent::MouseButtonDblClick, Qt::LeftButton, 1150);
    sendMouse(tile(8), QEvent::MouseButtonRelease, Qt::NoButton, 1200);
    EXPECT_EQ(slotOf(9), 11);
    EXPECT_EQ(slotOf(8), 10);
    EXPECT_EQ(text("movesValue"), "2");
}

TEST_F(MainWindowPlay, APressThatEndsOffTheTileOrWithTheRightButtonIsNoClick)
{
    click("startButton");
    QTest::mousePress(tile(9), Qt::LeftButton);
    QTest::mouseRelease(tile(9), Qt::LeftButton, {}, QPoint(-5, 50));
    QTest::mouseClick(tile(9), Qt::RightButton);
    EXPECT_EQ(slotOf(9), 10);
    EXPECT_EQ(text("movesValue"), "");
}

TEST_F(MainWindowPlay, ClicksOnAGridLineReachTheTileBelow)
{
    click("startButton");
    // Grid line 2 runs down the first column of slot 1 (tile 10), grid line 0 along the top row of
    // slot 5 (tile 0), the outline over the corner of slot 0 (tile 1).
    EXPECT_EQ(window.childAt(135, 100), tile(10));
    EXPECT_EQ(window.childAt(200, 153), tile(0));
    EXPECT_EQ(window.childAt(8, 40), tile(1));
}

TEST_F(MainWindowPlay, ChoosingASetByMouseSwapsAllPicturesAndNothingElse)
{
    click("startButton");
    clickTile(9);
    click("previewButton");
    std::array<QRect, 12> places{};
    for (int i = 0; i < 12; ++i)
        places[i] = tile(i)->geometry();
    const QString startTime = text("startTimeValue");

    auto* list = control<QListWidget>("pictureList");
    // The wheel brings "Garten" into the one-line view; a click selects it.
    const QPointF inside(10, 8);
    QWheelEvent wheel(inside, list->viewport()->mapToGlobal(inside), {}, QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->viewport(), &wheel);
    const QRect garten = list->visualItemRect(list->item(1));
    ASSERT_TRUE(list->viewport()->rect().contains(garten.center()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, garten.center());
    expectPictureSet(101);

    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(tile(i)->geometry(), places[i]) << i;
    EXPECT_EQ(text("startTimeValue"), startTime);
    EXPECT_EQ(text("movesValue"), "1");
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(MainWindowPlay, ChoosingASetByArrowKeys)
{
    auto* list = control<QListWidget>("pictureList");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->selectedItems().value(0), list->item(1));
    expectPictureSet(101);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->selectedItems().value(0), list->item(0));
    expectPictureSet(113);
}

TEST_F(MainWindowPlay, TschuessClosesTheWindow)
{
    click("quitButton");
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace rutschbild::testing

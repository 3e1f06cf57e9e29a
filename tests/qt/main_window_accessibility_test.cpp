// MainWindow as screen readers and automation tools see it, through Qt's accessibility interfaces.
#include "main_window_fixture.h"
#include "solver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <tuple>
#include <utility>

namespace rutschbild::testing {
namespace {

class MainWindowAccessibility : public MainWindowTest {
protected:
    static QAccessibleInterface* accessible(QObject* object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

    // The objects an accessible object lists as its children, each of which names it as parent.
    static QList<QObject*> childrenOf(QObject* object)
    {
        QList<QObject*> children;
        QAccessibleInterface* parent = accessible(object);
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface* child = parent->child(i);
            children << child->object();
            EXPECT_EQ(parent->indexOfChild(child), i);
            EXPECT_EQ(child->parent()->object(), object);
        }
        return children;
    }
    QList<QObject*> childrenOfWindow() const
    {
        return childrenOf(const_cast<MainWindow*>(&window));
    }
    QObject* board() const { return window.findChild<QObject*>(QStringLiteral("board")); }
    QObject* gap() const { return window.findChild<QObject*>(QStringLiteral("gap")); }
    // What stands in each slot, for a board of this arrangement (tile -> slot) with the hole
    // tile hidden.
    QList<QObject*> boardOrder(const Arrangement& places) const
    {
        QList<QObject*> order(12);
        for (int i = 0; i < 11; ++i)
            order[places[i]] = tile(i);
        order[places[11]] = gap();
        return order;
    }

    void press(int i)
    {
        accessible(tile(i))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
};

TEST_F(MainWindowAccessibility, TilesAreButtonsNamedAfterTheirPieceAndTheirPlace)
{
    for (int i = 0; i < 12; ++i) {
        QAccessibleInterface* button = accessible(tile(i));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->role(), QAccessible::Button);
        EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Bildteil %1").arg(i + 1));
        EXPECT_EQ(button->text(QAccessible::Description),
                  QStringLiteral("Reihe %1, Spalte %2").arg(i / 4 + 1).arg(i % 4 + 1));
        ASSERT_NE(button->actionInterface(), nullptr);
        EXPECT_TRUE(button->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
}

TEST_F(MainWindowAccessibility, ControlsAreNamedByTheirCaptions)
{
    const std::pair<const char*, const char*> names[] = {{"pictureList", "Bildauswahl"},
                                                         {"startModeFrame", "Startposition"},
                                                         {"startButton", "Start"}};
    for (const auto& [control, name] : names)
        EXPECT_EQ(accessible(this->control(control))->text(QAccessible::Name), name) << control;
}

// A screen reader reads the value itself and, through the relation, the caption that goes with it.
TEST_F(MainWindowAccessibility, ValueLabelsReadAsTheirTextLabelledByTheirCaptions)
{
    // Empty before the first game: not the caption's words a second time.
    for (const char* name : {"startTimeValue", "playTimeValue", "movesValue"})
        EXPECT_EQ(accessible(control(name))->text(QAccessible::Name), "") << name;
    clock.set(11, 43, 55);
    click("startButton");
    clock.monotonic += 1'000;
    tick();
    press(9);
    const std::tuple<const char*, const char*, const char*> labels[] = {
        {"startTimeValue", "startTimeCaption", "11 : 43 : 55"},
        {"playTimeValue", "playTimeCaption", "0 : 1"},
        {"movesValue", "movesCaption", "1"}};
    for (const auto& [name, caption, value] : labels) {
        QAccessibleInterface* label = accessible(control(name));
        EXPECT_EQ(label->role(), QAccessible::StaticText) << name;
        EXPECT_EQ(label->text(QAccessible::Name), value) << name;
        const auto labelledBy = label->relations(QAccessible::Label);
        ASSERT_EQ(labelledBy.size(), 1) << name;
        EXPECT_EQ(labelledBy.front().first->object(), control(caption)) << name;
        const auto labelFor = accessible(control(caption))->relations(QAccessible::Labelled);
        ASSERT_EQ(labelFor.size(), 1) << caption;
        EXPECT_EQ(labelFor.front().first->object(), control(name)) << caption;
    }
}

TEST_F(MainWindowAccessibility, PressingATileIsAClickWithAllItsRules)
{
    press(9); // before Start
    EXPECT_EQ(slotOf(9), 9);
    click("startButton");
    press(0); // not beside the hole
    EXPECT_EQ(text("movesValue"), "");
    EXPECT_EQ(beeper.count, 0);

    press(9); // fixed start: tile 9 stands in slot 10, beside the hole in slot 11
    EXPECT_EQ(slotOf(9), 11);
    EXPECT_EQ(text("movesValue"), "1");
    EXPECT_EQ(beeper.count, 1);
    EXPECT_EQ(accessible(tile(9))->text(QAccessible::Description), "Reihe 3, Spalte 4");
    EXPECT_EQ(accessible(control("movesValue"))->text(QAccessible::Name), "1");
    // The change events go out only where a screen reader listens, and Qt's offscreen platform
    // has no accessibility bridge: atspi_check.py hears them on a real desktop bus.
}

// The tiles belong to the board's group, which stands among the window's controls.
TEST_F(MainWindowAccessibility, Tile11IsLeftOutOfTheTreeWhileItIsHidden)
{
    ASSERT_NE(board(), nullptr);
    const QList<QObject*> controls = childrenOfWindow();
    EXPECT_TRUE(controls.contains(board()));
    EXPECT_TRUE(controls.contains(control("startButton")));
    EXPECT_FALSE(controls.contains(tile(0)));
    EXPECT_EQ(accessible(board())->role(), QAccessible::Grouping);
    EXPECT_EQ(accessible(board())->text(QAccessible::Name), "Bild");
    EXPECT_TRUE(childrenOf(board()).contains(tile(11)));
    click("startButton");
    const QList<QObject*> during = childrenOf(board());
    EXPECT_FALSE(during.contains(tile(11)));
    EXPECT_TRUE(during.contains(tile(10)));
    click("previewButton");
    EXPECT_TRUE(childrenOf(board()).contains(tile(11)));
}

// A screen reader walks the board row by row and meets the gap where it is, as a sighted player
// sees it; without a game there is no gap.
TEST_F(MainWindowAccessibility, TheBoardListsItsTilesAndTheGapInBoardOrder)
{
    ASSERT_NE(gap(), nullptr);
    QList<QObject*> tiles;
    for (int i = 0; i < 12; ++i)
        tiles << tile(i);
    EXPECT_EQ(childrenOf(board()), tiles);
    EXPECT_TRUE(accessible(gap())->state().invisible);

    click("startButton");
    Arrangement places = kFixedArrangement;
    EXPECT_EQ(childrenOf(board()), boardOrder(places));
    QAccessibleInterface* hole = accessible(gap());
    EXPECT_EQ(hole->text(QAccessible::Name), "Lücke");
    EXPECT_EQ(hole->role(), QAccessible::StaticText);
    EXPECT_EQ(hole->text(QAccessible::Description), "Reihe 3, Spalte 4");
    EXPECT_FALSE(hole->state().invisible);
    EXPECT_EQ(hole->rect(), QRect(window.mapToGlobal(tile(11)->pos()), tile(11)->size()));

    press(9); // from slot 10 into the gap, which takes its place
    std::swap(places[9], places[11]);
    EXPECT_EQ(childrenOf(board()), boardOrder(places));
    EXPECT_EQ(hole->text(QAccessible::Description), "Reihe 3, Spalte 3");
    EXPECT_EQ(hole->rect().topLeft(), window.mapToGlobal(QPoint(8 + 2 * 127, 40 + 2 * 113)));

    click("previewButton");
    EXPECT_EQ(childrenOf(board()), tiles);
    EXPECT_TRUE(hole->state().invisible);
}

// The desktop keeps its keyboard for the controls: a tile is pressed by the mouse or a screen
// reader's action, and Tab never stops on one.
TEST_F(MainWindowAccessibility, TilesTakeNoKeyboardFocus)
{
    click("startButton");
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(tile(i)->focusPolicy(), Qt::NoFocus) << i;
        EXPECT_FALSE(accessible(tile(i))->state().focusable) << i;
    }
    EXPECT_FALSE(accessible(gap())->state().focusable);
}

} // namespace
} // namespace rutschbild::testing

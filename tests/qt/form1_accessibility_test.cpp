// Form1 as screen readers and automation tools see it, through Qt's accessibility interfaces.
#include "form1_fixture.h"
#include "solver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <tuple>

namespace rutschbild::testing {
namespace {

class Form1Accessibility : public Form1Test {
protected:
    static QAccessibleInterface* accessible(QObject* object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

    // The objects the window lists as its children.
    QList<QObject*> childrenOfForm() const
    {
        QList<QObject*> children;
        QAccessibleInterface* window = accessible(const_cast<Form1*>(&form));
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            children << child->object();
            EXPECT_EQ(window->indexOfChild(child), i);
            EXPECT_EQ(child->parent()->object(), &form);
        }
        return children;
    }

    void press(int i)
    {
        accessible(tile(i))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
};

TEST_F(Form1Accessibility, TilesAreButtonsNamedAfterTheirPieceAndTheirPlace)
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

TEST_F(Form1Accessibility, ControlsAreNamedByTheirCaptions)
{
    const std::pair<const char*, const char*> names[] = {{"pictureList", "Bildauswahl"},
                                                         {"startModeFrame", "Startposition"},
                                                         {"startButton", "Start"}};
    for (const auto& [control, name] : names)
        EXPECT_EQ(accessible(this->control(control))->text(QAccessible::Name), name) << control;
}

// A screen reader reads the value itself and, through the relation, the caption that goes with it.
TEST_F(Form1Accessibility, ValueLabelsReadAsTheirTextLabelledByTheirCaptions)
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

TEST_F(Form1Accessibility, PressingATileIsAClickWithAllItsRules)
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

TEST_F(Form1Accessibility, Tile11IsLeftOutOfTheTreeWhileItIsHidden)
{
    EXPECT_TRUE(childrenOfForm().contains(tile(11)));
    click("startButton");
    const QList<QObject*> during = childrenOfForm();
    EXPECT_FALSE(during.contains(tile(11)));
    EXPECT_TRUE(during.contains(tile(10)));
    EXPECT_TRUE(during.contains(control("startButton")));
    click("previewButton");
    EXPECT_TRUE(childrenOfForm().contains(tile(11)));
}

// Screen readers on Linux read out a notification that appears; the window shows none of it.
TEST_F(Form1Accessibility, ACompletedPictureShowsANotificationUntilTheNextStart)
{
    auto* notice = control<QLabel>("pictureCompleteNotice");
    EXPECT_FALSE(childrenOfForm().contains(notice));
    click("startButton");
    const auto solution = solve(kFixedArrangement);
    ASSERT_TRUE(solution.has_value());
    for (int i : *solution)
        press(i);
    QAccessibleInterface* shown = accessible(notice);
    EXPECT_EQ(shown->role(), QAccessible::Notification);
    EXPECT_EQ(shown->text(QAccessible::Name), "Das Bild ist vollständig.");
    EXPECT_TRUE(childrenOfForm().contains(notice));
    EXPECT_TRUE(notice->rect().isEmpty());
    click("startButton");
    EXPECT_FALSE(childrenOfForm().contains(notice));
}

} // namespace
} // namespace rutschbild::testing

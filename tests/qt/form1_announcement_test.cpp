// What a screen reader hears of the game without asking: Start, each press and the win, each
// sentence once and in order, read as a reader reads it, after the press has returned. Qt's
// offscreen platform sends no accessibility events, so the test reads the notifications the
// window shows in its accessibility tree; atspi_check.py hears the events on a real desktop bus.
#include "form1_fixture.h"
#include "solver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

namespace rutschbild::testing {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

class Form1Announcements : public Form1Test {
protected:
    // The notifications the window shows screen readers once the event loop has taken its next
    // turn, in the order they were said. Each turn's sentences replace the last turn's.
    QStringList heard()
    {
        QCoreApplication::processEvents();
        QStringList shown;
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            if (child->role() == QAccessible::Notification) {
                shown << child->text(QAccessible::Name);
                EXPECT_TRUE(child->rect().isEmpty()); // nothing of it on screen
            }
        }
        return shown;
    }

    void press(int i)
    {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(tile(i));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
};

QString moved(int tile, int slot)
{
    return QStringLiteral("Bildteil %1 nach Reihe %2, Spalte %3.")
        .arg(tile + 1)
        .arg(slot / 4 + 1)
        .arg(slot % 4 + 1);
}

TEST_F(Form1Announcements, EverySentenceOfAGameFromAPressBeforeStartToTheWin)
{
    EXPECT_EQ(heard(), QStringList{});
    press(9);
    EXPECT_EQ(heard(), QStringList{"Kein Spiel läuft, bitte erst Start drücken."});
    click("startButton");
    EXPECT_EQ(heard(), QStringList{"Neues Spiel."});
    press(0); // in slot 5, not beside the hole in slot 11
    EXPECT_EQ(heard(), QStringList{"Bildteil 1 liegt nicht neben der Lücke."});
    clickTile(2); // the mouse says the same as a screen reader's press
    EXPECT_EQ(heard(), QStringList{"Bildteil 3 liegt nicht neben der Lücke."});

    const auto solution = solve(kFixedArrangement);
    ASSERT_TRUE(solution.has_value());
    Arrangement places = kFixedArrangement;
    for (std::size_t i = 0; i + 1 < solution->size(); ++i) {
        const int tile = (*solution)[i];
        std::swap(places[tile], places[kHoleTile]);
        press(tile);
        ASSERT_EQ(heard(), QStringList{moved(tile, places[tile])}) << "move " << i;
    }
    // The last move and the win it brings, both said in one press: two sentences still.
    const int last = solution->back();
    press(last);
    const QStringList won{moved(last, last), "Das Bild ist vollständig."};
    EXPECT_EQ(heard(), won);
    click("previewButton"); // after the win it has nothing to say, and the news stays
    EXPECT_EQ(heard(), won);
    press(4);
    EXPECT_EQ(heard(), QStringList{"Kein Spiel läuft, bitte erst Start drücken."});
    click("startButton");
    EXPECT_EQ(heard(), QStringList{"Neues Spiel."});
}

// A reader that asks only after several presses still hears each sentence as it was, up to the
// three the window keeps.
TEST_F(Form1Announcements, SentencesOfOneTurnKeepTheirOwnTexts)
{
    click("startButton");
    press(0);
    press(9); // tile 9 from slot 10 into the hole in slot 11
    EXPECT_EQ(heard(), (QStringList{"Neues Spiel.", "Bildteil 1 liegt nicht neben der Lücke.",
                                    moved(9, 11)}));
}

#endif

} // namespace
} // namespace rutschbild::testing

// What a screen reader hears of the game without asking: Start, each press and the win, each
// sentence once and in order, read as a reader reads it, after the press has returned. Qt's
// offscreen platform sends no accessibility events, so the test watches the notifications in the
// window's accessibility tree, where each one said moves to the end; atspi_check.py hears the
// events themselves on a real desktop bus.
#include "main_window_fixture.h"
#include "solver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <utility>
#include <vector>

namespace rutschbild::testing {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

// Notes each notification that moves to the end of the window's children: one said anew.
class NoticeWatch final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ZOrderChange)
            said.push_back(watched);
        return false;
    }
    std::vector<QObject*> said;
};

class MainWindowAnnouncements : public MainWindowTest {
protected:
    MainWindowAnnouncements()
    {
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->objectName().startsWith(QLatin1String("notice")))
                label->installEventFilter(&watch);
    }

    // The notifications said since the last look, read once the event loop has taken its next
    // turn, as a screen reader reads them.
    QStringList heard()
    {
        QCoreApplication::processEvents();
        QStringList texts;
        for (QObject* notice : std::exchange(watch.said, {})) {
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(notice);
            EXPECT_EQ(shown->role(), QAccessible::Notification);
            EXPECT_TRUE(shown->rect().isEmpty()); // nothing of it on screen
            EXPECT_FALSE(shown->state().invisible);
            texts << shown->text(QAccessible::Name);
        }
        return texts;
    }

    // The notifications in the window's accessibility tree, in the order they were said.
    QStringList inTree()
    {
        QStringList texts;
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&window);
        for (int i = 0; i < tree->childCount(); ++i)
            if (tree->child(i)->role() == QAccessible::Notification)
                texts << tree->child(i)->text(QAccessible::Name);
        return texts;
    }

    void press(int i)
    {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(tile(i));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }

    NoticeWatch watch;
};

QString moved(int tile, int slot)
{
    return QStringLiteral("Bildteil %1 nach Reihe %2, Spalte %3.")
        .arg(tile + 1)
        .arg(slot / 4 + 1)
        .arg(slot % 4 + 1);
}

TEST_F(MainWindowAnnouncements, EverySentenceOfAGameFromAPressBeforeStartToTheWin)
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
    click("previewButton"); // after the win it has nothing to say
    EXPECT_EQ(heard(), QStringList{});
    press(4);
    EXPECT_EQ(heard(), QStringList{"Kein Spiel läuft, bitte erst Start drücken."});
    click("startButton");
    EXPECT_EQ(heard(), QStringList{"Neues Spiel."});
    // The last three stay in the tree, never hidden: a reader would say a hidden one again.
    EXPECT_EQ(inTree(),
              (QStringList{"Das Bild ist vollständig.",
                           "Kein Spiel läuft, bitte erst Start drücken.", "Neues Spiel."}));
}

// A reader that asks only after several presses still hears each sentence as it was, up to the
// three the window keeps.
TEST_F(MainWindowAnnouncements, SentencesOfOneTurnKeepTheirOwnTexts)
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

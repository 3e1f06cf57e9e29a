// The keys of the window, and the command line it does not read.
#include "main_window_fixture.h"

#include <QProcess>

namespace rutschbild::testing {
namespace {

using MainWindowKeys = MainWindowTest;

TEST_F(MainWindowKeys, EnterAndKeypadEnterPressTheFocusedButton)
{
    auto* start = control<QPushButton>("startButton");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_TRUE(timer()->isActive()) << "Enter on Start starts a game";

    auto* preview = control<QPushButton>("previewButton");
    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(timer()->isActive()) << "keypad Enter on Vorschau ends it";

    // Held down, Enter presses once, as Space does.
    QSignalSpy clicks(start, &QPushButton::clicked);
    start->setFocus();
    QTest::keyPress(start, Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(start, &repeat);
    QTest::keyRelease(start, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(MainWindowKeys, EnterWithTheFocusElsewherePressesNothing)
{
    QSignalSpy starts(control<QPushButton>("startButton"), &QPushButton::clicked);
    QSignalSpy previews(control<QPushButton>("previewButton"), &QPushButton::clicked);
    QSignalSpy closes(control<QPushButton>("quitButton"), &QPushButton::clicked);
    for (const char* name : {"fixedStartOption", "pictureList"}) {
        control(name)->setFocus();
        QTest::keyClick(control(name), Qt::Key_Return);
        QTest::keyClick(control(name), Qt::Key_Enter, Qt::KeypadModifier);
    }
    EXPECT_EQ(starts.count() + previews.count() + closes.count(), 0);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowKeys, LeftAndRightMoveBetweenTheOptionsAsUpAndDownDo)
{
    auto* gleich = control<QRadioButton>("fixedStartOption");
    auto* anders = control<QRadioButton>("clockStartOption");
    QTest::keyClick(gleich, Qt::Key_Right);
    EXPECT_TRUE(anders->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), anders);
    clock.set(10, 45, 57);
    click("startButton");
    EXPECT_EQ(slotOf(0), 9) << "the clock-derived start applies";

    anders->setFocus();
    QTest::keyClick(anders, Qt::Key_Left);
    EXPECT_TRUE(gleich->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), gleich);
}

// Qt's own options would change the window if the program passed them on: -platform to a
// platform that does not exist makes Qt give up at once.
TEST(CommandLine, QtOptionsOnTheCommandLineHaveNoEffect)
{
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(RUTSCHBILD_PROGRAM),
                  {"-platform", "nosuchplatform", "-style", "nosuchstyle", "-reverse"});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_FALSE(program.waitForFinished(1500)) << "the program ended: " << program.exitCode();
    program.kill();
    program.waitForFinished();
}

} // namespace
} // namespace rutschbild::testing

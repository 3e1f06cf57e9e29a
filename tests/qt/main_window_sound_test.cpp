// The beeps of a game, counted, and the real system beep where no sound can be played.
#include "main_window_fixture.h"
#include "solver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>

#include <dlfcn.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace rutschbild::testing {
namespace {

using MainWindowSound = MainWindowTest;
using qt::CanberraBeeper;

TEST_F(MainWindowSound, OneBeepPerMoveThreeMoreOnTheWinNoneForARefusedClick)
{
    clickTile(9); // before Start
    EXPECT_EQ(beeper.count, 0);
    click("startButton");
    EXPECT_EQ(beeper.count, 0);
    clickTile(0); // not beside the hole
    EXPECT_EQ(beeper.count, 0);

    const auto solution = solve(kFixedArrangement);
    ASSERT_TRUE(solution.has_value());
    const int moves = static_cast<int>(solution->size());
    for (int i = 0; i < moves - 1; ++i)
        clickTile((*solution)[i]);
    EXPECT_EQ(beeper.count, moves - 1);
    clickTile(solution->back());
    EXPECT_EQ(beeper.count, moves + 3);

    clickTile(10); // after the win
    EXPECT_EQ(beeper.count, moves + 3);
}

// The test run has no sound server: every beep falls back to the display's bell. None may hold
// up a click, and none may crash, nor may the beeper when it goes with beeps still waiting (the
// suite also runs under AddressSanitizer and valgrind).
TEST(SystemBeep, WithoutASoundServerEachBeepReturnsAtOnce)
{
    // Valgrind runs every instruction many times slower, so there the bound only catches a beep
    // that waits for the sound itself.
    const char* preload = std::getenv("LD_PRELOAD");
    const bool underValgrind = preload != nullptr && std::strstr(preload, "vgpreload") != nullptr;
    const auto bound = std::chrono::milliseconds(underValgrind ? 1000 : 50);
    CanberraBeeper beeper;
    for (int i = 0; i < 6; ++i) {
        const auto start = std::chrono::steady_clock::now();
        beeper.beep();
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, bound) << "beep " << i;
    }
    QTest::qWait(300); // the beeps are played, or fall back, on the beeper's thread
    CanberraBeeper leftBusy;
    for (int i = 0; i < 3; ++i)
        leftBusy.beep();
}

// libcanberra and the libraries it brings along are opened by the first beep, not at the start:
// a window that is only looked at does not pay for them.
TEST(SystemBeep, LibcanberraComesWithTheFirstBeepNotWithTheStart)
{
    QProcess program;
    program.start(QStringLiteral(RUTSCHBILD_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted());
    const auto mapped = [&program] {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
        return maps.open(QIODevice::ReadOnly) ? QString::fromLatin1(maps.readAll()) : QString();
    };
    // The window is built just after the platform plugin is in.
    const QDeadlineTimer deadline(10'000);
    while (!mapped().contains(QLatin1String("/platforms/")) && !deadline.hasExpired())
        QTest::qWait(10);
    QTest::qWait(300);
    const QString atStart = mapped();
    program.kill();
    program.waitForFinished();
    ASSERT_TRUE(atStart.contains(QLatin1String("/platforms/"))) << "the program did not start";
    EXPECT_FALSE(atStart.contains(QLatin1String("libcanberra")));

    // This test program does not link it either: here only the beep can bring it in.
    const auto loaded = [] {
        void* library = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_NOLOAD);
        if (library)
            dlclose(library);
        return library != nullptr;
    };
    CanberraBeeper beeper;
    beeper.beep();
    const QDeadlineTimer played(5'000);
    while (!loaded() && !played.hasExpired())
        QTest::qWait(10);
    EXPECT_TRUE(loaded());
}

} // namespace
} // namespace rutschbild::testing

// Random event sequences against the whole window, headless: Start, Vorschau, the options, the
// picture list, tile clicks and double-clicks, timer ticks, and a local clock that is set
// forwards, backwards and across midnight. After every event the window must be in one of its
// two states with a valid board, a move count that never goes down and a right play time, and
// every tile must stand where a model of the board, worked out from the events alone, puts it.
//
// Building a window costs far more than an event, so one window serves all inputs: each input
// begins with Vorschau and "immer gleich", which bring it back to the no-game state.
#include "arrangement.h"
#include "fake_front_end.h"
#include "main_window.h"
#include "window_probe.h"

#include <QApplication>

#include <algorithm>
#include <array>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

using namespace rutschbild;
using namespace rutschbild::testing;
using rutschbild::qt::MainWindow;

namespace {

QApplication& application()
{
    static int argc = 1;
    static char name[] = "window_fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Counts the events of all inputs; reported when the fuzzer exits.
struct EventTally {
    long long events = 0;
};

EventTally& tally()
{
    static EventTally counted;
    return counted;
}

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "invariant broken: %s\n", why.c_str());
    std::abort();
}

class Session {
public:
    Session() : probe_(window_)
    {
        setLocal();
        window_.show();
        QCoreApplication::processEvents();
    }

    void reset()
    {
        WindowProbe::click(probe_.preview);
        previewed();
        WindowProbe::click(probe_.options[0]);
        check();
    }

    void run(std::uint8_t event, std::uint8_t argument)
    {
        lastEvent_ = event % 16;
        lastArgument_ = argument;
        switch (event % 16) {
        case 0:
            WindowProbe::click(probe_.start);
            started();
            break;
        case 1:
            WindowProbe::click(probe_.preview);
            previewed();
            break;
        case 2:
            WindowProbe::click(probe_.options[argument % 2]);
            break;
        case 3:
            probe_.clickListItem(argument % 2);
            break;
        case 4:
            QTest::keyClick(probe_.list, argument % 2 == 0 ? Qt::Key_Up : Qt::Key_Down);
            break;
        case 5:
        case 6:
        case 7:
            clickTile(argument % 12, false);
            break;
        case 8:
            clickTile(argument % 12, true);
            break;
        case 9:
        case 10:
        case 11:
            advance(500);
            tick();
            break;
        case 12: // a busy or sleeping machine
            advance(argument * 7919);
            tick();
            break;
        case 13:
            setClock(argument);
            break;
        case 14:
            QCoreApplication::processEvents();
            break;
        case 15:
            keyboard(argument);
            break;
        }
        check();
    }

private:
    void clickTile(int tile, bool twice)
    {
        // Only tiles on show can be clicked.
        if (probe_.tiles[tile]->isHidden())
            return;
        if (twice)
            probe_.doubleClick(probe_.tiles[tile]);
        else
            WindowProbe::click(probe_.tiles[tile]);
        modelClick(tile);
    }

    // The model: Start lays out the arrangement of the chosen option at the clock's reading.
    void started()
    {
        startedAt_ = clock_.monotonic;
        expectStartTime();
        const Arrangement start = probe_.options[1]->isChecked()
                                      ? clockArrangement(clock_.local.minute, clock_.local.second)
                                      : kFixedArrangement;
        std::copy(start.begin(), start.end(), position_.begin());
        running_ = true;
    }

    void previewed()
    {
        for (int tile = 0; tile < kTiles; ++tile)
            position_[tile] = tile;
        running_ = false;
    }

    // A tile beside the hole, in the same row or column, slides into it; a whole picture ends
    // the game. A double-click counts once.
    void modelClick(int tile)
    {
        if (!running_)
            return;
        const int slot = position_[tile];
        const int hole = position_[kHoleTile];
        const bool besideInRow = slot / kColumns == hole / kColumns && std::abs(slot - hole) == 1;
        if (!besideInRow && std::abs(slot - hole) != kColumns)
            return;
        std::swap(position_[tile], position_[kHoleTile]);
        bool whole = true;
        for (int i = 0; i < kHoleTile; ++i)
            whole = whole && position_[i] == i;
        running_ = !whole;
    }

    void tick()
    {
        if (!probe_.tick())
            return;
        const QString expected = WindowProbe::expectedPlayTime(clock_.monotonic - startedAt_);
        if (probe_.playTime->text() != expected)
            fail("play time " + probe_.playTime->text().toStdString() + ", expected " +
                 expected.toStdString());
    }

    // Local wall time and the monotonic clock both move on; only the wall time can be set.
    void advance(std::int64_t milliseconds)
    {
        clock_.monotonic += milliseconds;
        localMilliseconds_ += milliseconds;
        setLocal();
    }

    void setClock(std::uint8_t argument)
    {
        constexpr std::int64_t day = 86'400'000;
        switch (argument % 4) {
        case 0:
            localMilliseconds_ += argument * 3'600'000LL + argument * 1000;
            break;
        case 1:
            localMilliseconds_ -= argument * 3'600'000LL + argument * 1000;
            break;
        case 2:
            localMilliseconds_ = (localMilliseconds_ / day + 1) * day - argument * 100;
            break;
        case 3:
            localMilliseconds_ = (localMilliseconds_ / day) * day + argument % 60 * 60'000;
            break;
        }
        if (localMilliseconds_ < 0)
            localMilliseconds_ += 400 * day;
        setLocal();
    }

    void setLocal()
    {
        const std::int64_t seconds = localMilliseconds_ / 1000;
        clock_.local.day = 1 + static_cast<int>(seconds / 86400 % 28);
        const int second = static_cast<int>(seconds % 86400);
        clock_.set(second / 3600, second / 60 % 60, second % 60);
    }

    // Tab through the focus chain and press the focused control with the space bar, as a
    // keyboard user would; "Tschüss" would end the program, so it is not pressed.
    void keyboard(std::uint8_t argument)
    {
        if (argument % 3 != 0) {
            QTest::keyClick(&window_, argument % 3 == 1 ? Qt::Key_Tab : Qt::Key_Backtab);
            return;
        }
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr || focused->objectName() == QLatin1String("quitButton"))
            return;
        QTest::keyClick(focused, Qt::Key_Space);
        if (focused == probe_.start)
            started();
        else if (focused == probe_.preview)
            previewed();
    }

    void expectStartTime()
    {
        const QString expected = QStringLiteral("%1 : %2 : %3")
                                     .arg(clock_.local.hour)
                                     .arg(clock_.local.minute)
                                     .arg(clock_.local.second);
        if (probe_.startTime->text() != expected)
            fail("start time " + probe_.startTime->text().toStdString() + ", expected " +
                 expected.toStdString());
    }

    void check()
    {
        ++tally().events;
        if (const std::string broken = probe_.brokenInvariant(); !broken.empty())
            fail(broken);
        std::array<int, kTiles> shown{};
        probe_.readBoard(shown);
        if (shown != position_)
            fail("the tiles do not stand where the model of the board puts them");
        if (probe_.gameRunning() != running_)
            fail(running_ ? "the game ended too early" : "the game goes on after its end");
        const double moves = probe_.moveCount();
        if (moves < moves_ || moves > moves_ + 1)
            fail("move count went from " + probe_.moves->text().toStdString() + " to " +
                 std::to_string(moves) + " in event " + std::to_string(lastEvent_) + " (" +
                 std::to_string(lastArgument_) + ")");
        moves_ = moves;
    }

    FakeClock clock_;
    MainWindow window_{clock_};
    WindowProbe probe_;
    std::int64_t localMilliseconds_ = 10 * 3'600'000LL;
    std::int64_t startedAt_ = 0;
    double moves_ = 0;
    std::array<int, kTiles> position_{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    bool running_ = false;
    int lastEvent_ = -1;
    int lastArgument_ = 0;
};

void dropQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Qt's own global objects are gone by the time the static window and application would be
// destroyed, so the fuzzer leaves without tearing them down. Registered after both are built,
// this runs before their destructors. A failure never gets here: it aborts.
void leaveWithoutTeardown()
{
    std::fprintf(stderr, "window_fuzz: %lld events in total\n", tally().events);
    std::fflush(nullptr);
    std::_Exit(0);
}

Session& session()
{
    static std::optional<Session> theSession;
    if (!theSession) {
        theSession.emplace();
        std::atexit(leaveWithoutTeardown);
    }
    return *theSession;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Clicks on a disabled list are meant to be refused; Qt's warnings about them are noise.
    qInstallMessageHandler(dropQtMessage);
    application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Session& window = session();
    window.reset();
    for (std::size_t i = 0; i + 1 < size; i += 2)
        window.run(data[i], data[i + 1]);
    return 0;
}

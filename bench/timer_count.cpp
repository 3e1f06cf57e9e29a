// Counts every timer event the whole application receives while the window sits idle, then
// while a game runs. Usage: timer_count SECONDS. Prints "idle <per second>", "game <per second>"
// and which objects the events went to.
#include "clock.h"
#include "main_window.h"
#include "window_probe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

class TimerEventCounter final : public QObject {
public:
    explicit TimerEventCounter(const QObject* ignored) : ignored_(ignored) {}

    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && receiver != ignored_) {
            ++total;
            ++byReceiver[QStringLiteral("%1 \"%2\"")
                             .arg(QString::fromLatin1(receiver->metaObject()->className()),
                                  receiver->objectName())];
        }
        return false;
    }

    long total = 0;
    QMap<QString, long> byReceiver;

private:
    const QObject* ignored_;
};

// Runs the event loop for the given time; prints the timer events per second and their receivers.
void countTimerEvents(const char* what, TimerEventCounter& counter, QTimer& deadline, int seconds)
{
    counter.total = 0;
    counter.byReceiver.clear();
    QEventLoop loop;
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QElapsedTimer elapsed;
    elapsed.start();
    deadline.start(seconds * 1000);
    loop.exec();
    const double perSecond =
        static_cast<double>(counter.total) * 1000.0 / static_cast<double>(elapsed.elapsed());
    std::printf("%s %.1f (%ld timer events in %.2f s)\n", what, perSecond, counter.total,
                static_cast<double>(elapsed.elapsed()) / 1000.0);
    for (auto it = counter.byReceiver.cbegin(); it != counter.byReceiver.cend(); ++it)
        std::printf("  %ld to %s\n", it.value(), qPrintable(it.key()));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const rutschbild::SystemClock clock;
    rutschbild::qt::MainWindow window(clock);
    window.show();
    rutschbild::testing::WindowProbe probe(window);

    QTimer deadline; // the measuring loop's own timer; its one event is not counted
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    TimerEventCounter counter(&deadline);
    QCoreApplication::processEvents();
    application.installEventFilter(&counter);

    countTimerEvents("idle", counter, deadline, seconds);
    rutschbild::testing::WindowProbe::click(probe.start);
    // A quarter tick later, so that no tick falls on the edge of the measured span.
    QTest::qWait(250);
    countTimerEvents("game", counter, deadline, seconds);
    return 0;
}

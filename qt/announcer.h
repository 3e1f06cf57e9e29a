#pragma once

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QWidget;

namespace rutschbild::qt {

// Tells screen readers a sentence unasked. Qt 6.8 and newer send it as an announcement; older
// ones have no such call, so the sentence is shown in a notification (a label without size with
// the Notification role), which screen readers on Linux read out when it appears. A reader asks
// for the text after the press that raised it has returned: each sentence of one event-loop turn
// keeps a notification of its own, and last turn's are hidden as old news.
class Announcer final : public QObject {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    void announce(const QString& text);

private:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    void startTurn();

    // A press and the win it brings say two sentences in one turn; a third is spare, so that a
    // notification keeps its text for two more sentences after the one it was shown for.
    std::array<QLabel*, 3> notices_{};
    std::size_t next_ = 0;
    bool turnPending_ = false;
#else
    QWidget* window_;
#endif
};

} // namespace rutschbild::qt

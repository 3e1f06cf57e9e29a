#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QWidget;

namespace rutschbild::qt {

// Makes screen readers and automation tools see the main window as a player sees it: the board a
// group of its tiles in board order with the gap among them while a game runs, each tile a
// button named after its piece that a press action clicks, hidden tiles left out. Installed once
// per program; harmless to call again.
void installAccessibleInterfaces();

// Gives a label this role, and its text as its name also while empty: a value label (StaticText)
// or one that is news when it shows (Notification). QLabel reports each new text as a new name.
void markLabel(QLabel* label, QAccessible::Role role);

// Tells screen readers a sentence unasked. Qt 6.8 and newer send it as an announcement; older
// ones have no such call, so the sentence is shown in a notification (a label without size with
// the Notification role), which screen readers on Linux read out when it appears. A reader asks
// for the text after the press that raised it has returned, so the notifications take turns: each
// keeps its text while the next two sentences are said, and the last move's and the win's, raised
// by one press, read as two.
class Announcer final : public QObject {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    void announce(const QString& text);

private:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // A press and the win it brings say two sentences at once; a third is spare.
    std::array<QLabel*, 3> notices_{};
    std::size_t next_ = 0;
#else
    QWidget* window_;
#endif
};

} // namespace rutschbild::qt

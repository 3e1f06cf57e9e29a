#include "announcer.h"
#include "accessibility.h"

#include <QAccessible>
#include <QLabel>
#include <QWidget>

namespace rutschbild::qt {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget* window) : QObject(window)
{
    for (std::size_t i = 0; i < notices_.size(); ++i) {
        // Marked before it has a parent: a screen reader already listening would otherwise fix
        // its interface as a plain label's.
        auto* notice = new QLabel;
        markLabel(notice, QAccessible::Notification);
        notice->setParent(window);
        notice->setObjectName(QStringLiteral("notice%1").arg(i));
        notice->setGeometry(0, 0, 0, 0);
        notice->hide();
        notices_[i] = notice;
    }
}

void Announcer::announce(const QString& text)
{
    if (!turnPending_)
        startTurn();
    // Only a caller that says more than the notices hold without returning to the event loop
    // (no press does) overwrites a sentence of its own turn.
    QLabel* notice = notices_[next_];
    next_ = (next_ + 1) % notices_.size();
    // Hidden first, so that even a notice used again shows anew and is read; raised, so that the
    // window lists its notices in the order they were said.
    notice->hide();
    notice->setText(text);
    notice->raise();
    notice->show();
}

void Announcer::startTurn()
{
    for (QLabel* notice : notices_)
        notice->hide();
    turnPending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { turnPending_ = false; }, Qt::QueuedConnection);
}

#else

Announcer::Announcer(QWidget* window) : QObject(window), window_(window) {}

void Announcer::announce(const QString& text)
{
    QAccessibleAnnouncementEvent event(window_, text);
    QAccessible::updateAccessibility(&event);
}

#endif

} // namespace rutschbild::qt

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
    QLabel* notice = notices_[next_];
    next_ = (next_ + 1) % notices_.size();
    notice->setText(text);
    // Raised, so that the window lists its notices in the order they were said.
    notice->raise();
    // Never hidden: a screen reader speaks a notification for any change of its showing state,
    // so a hidden one would be said once more. One shown already is shown anew.
    if (notice->isHidden()) {
        notice->show();
    } else {
        QAccessibleEvent shown(notice, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
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

#include "keyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace rutschbild::qt {

namespace {

class EnterPressesButton final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // Held down, the key presses the button once, as Space does.
        if (!key->isAutoRepeat())
            static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

// Qt looks for the next option in the direction of the arrow; ours stand one above the other,
// so Left and Right would find none.
class SidewaysArrowsMoveVertically final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right)
            return false;
        QKeyEvent vertical(key->type(), key->key() == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                           key->modifiers(), key->text(), key->isAutoRepeat(),
                           static_cast<quint16>(key->count()));
        QCoreApplication::sendEvent(watched, &vertical);
        event->setAccepted(vertical.isAccepted());
        return vertical.isAccepted();
    }
};

} // namespace

void pressOnEnter(QPushButton* button)
{
    button->installEventFilter(new EnterPressesButton(button));
}

void arrowsSidewaysMoveVertically(QRadioButton* option)
{
    option->installEventFilter(new SidewaysArrowsMoveVertically(option));
}

} // namespace rutschbild::qt

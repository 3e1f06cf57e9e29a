#include "accessibility.h"
#include "board_group.h"
#include "form1.h"
#include "tile_image.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace rutschbild::qt {

namespace {

constexpr char kLabelRole[] = "rutschbildLabelRole";

BoardGroup* boardOf(const QWidget* window)
{
    return window->findChild<BoardGroup*>(QString(), Qt::FindDirectChildrenOnly);
}

// A tile is a button: its press action is the tile's click, with all the rules of a click. It
// belongs to the board's group, not to the window it is drawn on.
class TileAccessible final : public QAccessibleWidget {
public:
    explicit TileAccessible(TileImage* tile) : QAccessibleWidget(tile, QAccessible::Button) {}

    QAccessibleInterface* parent() const override
    {
        BoardGroup* board = boardOf(widget()->parentWidget());
        return board ? QAccessible::queryAccessibleInterface(board) : QAccessibleWidget::parent();
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<TileImage*>(widget())->click();
    }
};

// A marked label reads as its own text alone. While it is empty, Qt's label would borrow the words
// of the caption that labels it, and a screen reader would read the caption twice.
class LabelAccessible final : public QAccessibleWidget {
public:
    LabelAccessible(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// The window leaves the controls hidden on screen out of its children too: the grid lines
// outside a game, the notifications until they are news. The board's group stands in for the
// tiles, at the place of the first.
class Form1Accessible final : public QAccessibleWidget {
public:
    explicit Form1Accessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QObject*> children = shownChildren();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(shownChildren().indexOf(child->object())) : -1;
    }

private:
    QList<QObject*> shownChildren() const
    {
        QList<QObject*> shown;
        BoardGroup* board = boardOf(widget());
        for (QObject* child : widget()->children()) {
            if (qobject_cast<TileImage*>(child)) {
                if (board && !shown.contains(board))
                    shown.append(board);
                continue;
            }
            auto* control = qobject_cast<QWidget*>(child);
            if (control && !control->isWindow() && !control->isHidden())
                shown.append(control);
        }
        return shown;
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("rutschbild::qt::TileImage"))
        return new TileAccessible(static_cast<TileImage*>(object));
    if (const QVariant role = object->property(kLabelRole); role.isValid())
        return new LabelAccessible(static_cast<QLabel*>(object),
                                   static_cast<QAccessible::Role>(role.toInt()));
    if (className == QLatin1String("rutschbild::qt::Form1"))
        return new Form1Accessible(static_cast<QWidget*>(object));
    return boardAccessibleFor(className, object);
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(&accessibleFor), true);
    (void)installed;
}

void markLabel(QLabel* label, QAccessible::Role role)
{
    label->setProperty(kLabelRole, static_cast<int>(role));
}

} // namespace rutschbild::qt

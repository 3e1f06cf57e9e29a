#include "accessibility.h"
#include "form1.h"
#include "tile_image.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace rutschbild::qt {

namespace {

constexpr char kLabelRole[] = "rutschbildLabelRole";

// A tile is a button: its press action is the tile's click, with all the rules of a click.
class TileAccessible final : public QAccessibleWidget {
public:
    explicit TileAccessible(TileImage* tile) : QAccessibleWidget(tile, QAccessible::Button) {}

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

// The window leaves the controls hidden on screen out of its children too: tile 11 during a
// game, the grid lines outside one, the notification until the picture is complete.
class Form1Accessible final : public QAccessibleWidget {
public:
    explicit Form1Accessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = shownChildren();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(shownChildren().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> shownChildren() const
    {
        QList<QWidget*> shown;
        for (QObject* child : widget()->children()) {
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
    return nullptr;
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

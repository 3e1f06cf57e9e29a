#include "accessibility.h"
#include "accessible_text.h"
#include "board.h"
#include "convert.h"
#include "layout.h"
#include "tile_image.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLabel>

#include <optional>

namespace rutschbild::qt {

namespace {

constexpr char kLabelRole[] = "rutschbildLabelRole";

Board* boardOf(const QWidget* window)
{
    return window->findChild<Board*>(QString(), Qt::FindDirectChildrenOnly);
}

// A tile is a button: its press action is the tile's click, with all the rules of a click. It
// belongs to the board's group, not to the window it is drawn on.
class TileAccessible final : public QAccessibleWidget {
public:
    explicit TileAccessible(TileImage* tile) : QAccessibleWidget(tile, QAccessible::Button) {}

    QAccessibleInterface* parent() const override
    {
        Board* board = boardOf(widget()->parentWidget());
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
class MainWindowAccessible final : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window)
    {
    }

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
        Board* board = boardOf(widget());
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

QRect onScreen(const QWidget* window, const TwipRect& box)
{
    const QRect local = pixels(box);
    return {window->mapToGlobal(local.topLeft()), local.size()};
}

// The board is a group of its tiles and the gap, in the order of their slots.
class BoardAccessible final : public QAccessibleObject {
public:
    explicit BoardAccessible(Board* board) : QAccessibleObject(board) {}

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(board()->window());
    }
    int childCount() const override { return static_cast<int>(board()->entries().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QObject*> entries = board()->entries();
        return index >= 0 && index < entries.size()
                   ? QAccessible::queryAccessibleInterface(entries[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(board()->entries().indexOf(child->object())) : -1;
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? toQString(kBoardName) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = board()->window()->isHidden();
        return state;
    }
    QRect rect() const override { return onScreen(board()->window(), layout::kBoard); }

private:
    Board* board() const { return static_cast<Board*>(object()); }
};

// The gap reads as its name and the place it is in, like a tile; it has nothing to press.
class GapAccessible final : public QAccessibleObject {
public:
    explicit GapAccessible(BoardGap* gap) : QAccessibleObject(gap) {}

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(board());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        const std::optional<int> slot = board()->gapSlot();
        if (kind == QAccessible::Name)
            return toQString(kGapName);
        if (kind == QAccessible::Description && slot)
            return toQString(placeDescription(*slot));
        return QString();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !board()->gapSlot() || board()->window()->isHidden();
        return state;
    }
    QRect rect() const override
    {
        const std::optional<int> slot = board()->gapSlot();
        return slot ? onScreen(board()->window(), layout::slotBox(*slot)) : QRect();
    }

private:
    Board* board() const { return static_cast<Board*>(object()->parent()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("rutschbild::qt::TileImage"))
        return new TileAccessible(static_cast<TileImage*>(object));
    if (const QVariant role = object->property(kLabelRole); role.isValid())
        return new LabelAccessible(static_cast<QLabel*>(object),
                                   static_cast<QAccessible::Role>(role.toInt()));
    if (className == QLatin1String("rutschbild::qt::MainWindow"))
        return new MainWindowAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("rutschbild::qt::Board"))
        return new BoardAccessible(static_cast<Board*>(object));
    if (className == QLatin1String("rutschbild::qt::BoardGap"))
        return new GapAccessible(static_cast<BoardGap*>(object));
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

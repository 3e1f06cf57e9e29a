#include "board_group.h"
#include "accessible_text.h"
#include "convert.h"
#include "layout.h"
#include "tile_image.h"

#include <QAccessibleObject>
#include <QWidget>

namespace rutschbild::qt {

BoardGroup::BoardGroup(const std::array<TileImage*, kTiles>& tiles, QWidget* window)
    : QObject(window), tiles_(tiles), window_(window), gap_(new BoardGap(this))
{
    setObjectName(QStringLiteral("board"));
    gap_->setObjectName(QStringLiteral("gap"));
    told_ = entries();
}

QList<QObject*> BoardGroup::entries() const
{
    const std::optional<int> gap = gapSlot();
    QList<QObject*> inOrder;
    for (int slot = 0; slot < kTiles; ++slot) {
        if (gap == slot)
            inOrder.append(gap_);
        // While Start places the tiles one by one, two may stand in one slot for a moment.
        for (TileImage* tile : tiles_)
            if (tile->slot() == slot && !tile->isHidden())
                inOrder.append(tile);
    }
    return inOrder;
}

std::optional<int> BoardGroup::gapSlot() const
{
    std::array<bool, kTiles> taken{};
    for (const TileImage* tile : tiles_)
        if (!tile->isHidden())
            taken[tile->slot()] = true;
    for (int slot = 0; slot < kTiles; ++slot)
        if (!taken[slot])
            return slot;
    return std::nullopt;
}

void BoardGroup::update()
{
    const std::optional<int> gap = gapSlot();
    if (gap != toldGapSlot_) {
        using enum QAccessible::Event;
        const auto tell = [this](QAccessible::Event type) {
            QAccessibleEvent event(gap_, type);
            QAccessible::updateAccessibility(&event);
        };
        if (!toldGapSlot_) {
            tell(ObjectShow);
        } else if (!gap) {
            tell(ObjectHide);
        } else {
            tell(LocationChanged);
            tell(DescriptionChanged);
        }
        toldGapSlot_ = gap;
    }
    if (const QList<QObject*> now = entries(); now != told_) {
        told_ = now;
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}

namespace {

QRect onScreen(const QWidget* window, const TwipRect& box)
{
    const QRect local = pixels(box);
    return {window->mapToGlobal(local.topLeft()), local.size()};
}

class GroupAccessible final : public QAccessibleObject {
public:
    explicit GroupAccessible(BoardGroup* group) : QAccessibleObject(group) {}

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(group()->window());
    }
    int childCount() const override { return static_cast<int>(group()->entries().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QObject*> entries = group()->entries();
        return index >= 0 && index < entries.size()
                   ? QAccessible::queryAccessibleInterface(entries[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(group()->entries().indexOf(child->object())) : -1;
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? toQString(kBoardName) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = group()->window()->isHidden();
        return state;
    }
    QRect rect() const override { return onScreen(group()->window(), layout::kBoard); }

private:
    BoardGroup* group() const { return static_cast<BoardGroup*>(object()); }
};

// The gap reads as its name and the place it is in, like a tile; it has nothing to press.
class GapAccessible final : public QAccessibleObject {
public:
    explicit GapAccessible(BoardGap* gap) : QAccessibleObject(gap) {}

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(group());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        const std::optional<int> slot = group()->gapSlot();
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
        state.invisible = !group()->gapSlot() || group()->window()->isHidden();
        return state;
    }
    QRect rect() const override
    {
        const std::optional<int> slot = group()->gapSlot();
        return slot ? onScreen(group()->window(), layout::slotBox(*slot)) : QRect();
    }

private:
    BoardGroup* group() const { return static_cast<BoardGroup*>(object()->parent()); }
};

} // namespace

QAccessibleInterface* boardAccessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("rutschbild::qt::BoardGroup"))
        return new GroupAccessible(static_cast<BoardGroup*>(object));
    if (className == QLatin1String("rutschbild::qt::BoardGap"))
        return new GapAccessible(static_cast<BoardGap*>(object));
    return nullptr;
}

} // namespace rutschbild::qt

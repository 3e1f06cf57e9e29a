#pragma once

#include "slots.h"

#include <QAccessible>
#include <QList>
#include <QObject>

#include <array>
#include <optional>

class QWidget;

namespace rutschbild::qt {

class TileImage;

// The empty place among the tiles while a game runs. Screen readers find it in the board's
// order; nothing of it shows on screen.
class BoardGap final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
};

// The board as one group for screen readers: its tiles in board order, row by row, and the gap
// where it is. Only a grouping: the tiles stay children of the window, where the layout places
// them, and the group draws nothing.
class BoardGroup final : public QObject {
    Q_OBJECT
public:
    BoardGroup(const std::array<TileImage*, kTiles>& tiles, QWidget* window);

    // Each shown tile and the gap, in the order of their slots.
    QList<QObject*> entries() const;
    // The one slot no shown tile stands in; none while no game runs.
    std::optional<int> gapSlot() const;
    BoardGap* gap() const { return gap_; }
    QWidget* window() const { return window_; }
    // After a tile moved, or was shown or hidden: tells listening screen readers what changed.
    void update();

private:
    std::array<TileImage*, kTiles> tiles_;
    QWidget* window_;
    BoardGap* gap_;
    QList<QObject*> told_; // the entries listeners last heard of
    std::optional<int> toldGapSlot_;
};

// The screen readers' view of the group and the gap; null for other objects.
QAccessibleInterface* boardAccessibleFor(const QString& className, QObject* object);

} // namespace rutschbild::qt

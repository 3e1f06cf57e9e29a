#pragma once

#include "layout.h"
#include "slots.h"
#include "window_view.h"

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

// The board: twelve tiles, the white lines over them, and for screen readers one group of the
// tiles in board order with the gap where it is. The tiles and lines are children of the window,
// placed where the layout puts them; the group draws nothing. Where each tile stands is read from
// the game's view whenever it is asked, never kept here.
class Board final : public QObject {
    Q_OBJECT
public:
    // view is the game's own, alive as long as the window.
    Board(const WindowView& view, QWidget* window);

    // Draws the parts (ViewPart bits) of the view that changed.
    void show(unsigned parts);

    // Each shown tile and the gap, in the order of their slots.
    QList<QObject*> entries() const;
    // The slot the view has no tile in; none while no game runs.
    std::optional<int> gapSlot() const;
    // The slot a tile stands in; none while it is taken off the board.
    std::optional<int> slotOf(int tile) const;
    BoardGap* gap() const { return gap_; }
    QWidget* window() const { return window_; }

signals:
    // A tile was clicked, by mouse or by a screen reader's press action.
    void tilePressed(int tile);

private:
    void placeTiles();
    void showPictures();
    // After tiles moved, or were shown or hidden: tells listening screen readers what changed.
    void tellListeners();

    const WindowView& view_;
    QWidget* window_;
    std::array<TileImage*, kTiles> tiles_{};
    std::array<QWidget*, layout::kGridLineCount> gridLines_{};
    BoardGap* gap_ = nullptr;
    QList<QObject*> told_; // the entries listeners last heard of
    std::optional<int> toldGapSlot_;
};

} // namespace rutschbild::qt

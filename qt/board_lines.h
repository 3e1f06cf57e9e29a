#pragma once

#include <QColor>
#include <QWidget>

namespace rutschbild::qt {

// The lines drawn over the board: the grid lines and the outline. Clicks pass through them to
// the tiles below.
class BoardLine final : public QWidget {
public:
    // A horizontal or vertical line, one pixel wide, covering the given pixel rectangle.
    BoardLine(const QRect& pixels, const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

class BoardOutline final : public QWidget {
public:
    // The outline runs along the inner edge of the given pixel rectangle; the inside stays clear.
    BoardOutline(const QRect& pixels, const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

} // namespace rutschbild::qt

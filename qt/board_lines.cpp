#include "board_lines.h"

#include <QPainter>

namespace rutschbild::qt {

BoardLine::BoardLine(const QRect& pixels, const QColor& colour, QWidget* parent)
    : QWidget(parent), colour_(colour)
{
    setGeometry(pixels);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardLine::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), colour_); }

BoardOutline::BoardOutline(const QRect& pixels, const QColor& colour, QWidget* parent)
    : QWidget(parent), colour_(colour)
{
    setGeometry(pixels);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardOutline::paintEvent(QPaintEvent*)
{
    const int right = width() - 1;
    const int bottom = height() - 1;
    QPainter painter(this);
    painter.fillRect(0, 0, width(), 1, colour_);
    painter.fillRect(0, bottom, width(), 1, colour_);
    painter.fillRect(0, 0, 1, height(), colour_);
    painter.fillRect(right, 0, 1, height(), colour_);
}

} // namespace rutschbild::qt

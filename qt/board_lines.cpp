#include "board_lines.h"

#include <QPainter>

namespace rutschbild::qt {

BoardLine::BoardLine(const QRect& pixels, QWidget* parent) : QWidget(parent)
{
    setGeometry(pixels);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardLine::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), Qt::white); }

BoardOutline::BoardOutline(const QRect& pixels, QWidget* parent) : QWidget(parent)
{
    setGeometry(pixels);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardOutline::paintEvent(QPaintEvent*)
{
    const int right = width() - 1;
    const int bottom = height() - 1;
    QPainter painter(this);
    painter.fillRect(0, 0, width(), 1, Qt::white);
    painter.fillRect(0, bottom, width(), 1, Qt::white);
    painter.fillRect(0, 0, 1, height(), Qt::white);
    painter.fillRect(right, 0, 1, height(), Qt::white);
}

} // namespace rutschbild::qt

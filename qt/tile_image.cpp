#include "tile_image.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QPainter>

namespace rutschbild {

TileImage::TileImage(int index, QWidget* parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("imgBild%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
}

void TileImage::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void TileImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void TileImage::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void TileImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double-click on this tile raises no Click. Qt also pairs two quick
    // clicks a few pixels apart on neighbouring tiles; there the second is a click of its own.
    const auto interval =
        static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (lastReleaseTime_ && event->timestamp() - *lastReleaseTime_ <= interval)
        pressed_ = false;
    else
        mousePressEvent(event);
}

void TileImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (event->button() == Qt::LeftButton)
        lastReleaseTime_ = event->timestamp();
    if (click)
        emit clicked(index_);
}

} // namespace rutschbild

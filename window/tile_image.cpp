#include "tile_image.h"

#include <QMouseEvent>
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

void TileImage::mouseDoubleClickEvent(QMouseEvent*)
{
    // Qt's default would treat this as a second press; the release after it must not click.
    pressed_ = false;
}

void TileImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked(index_);
}

} // namespace rutschbild

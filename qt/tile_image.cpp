#include "tile_image.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <cmath>

namespace rutschbild::qt {

TileImage::TileImage(int index, QWidget* parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("tile%1").arg(index));
    setFocusPolicy(Qt::NoFocus);
}

void TileImage::setPicture(const QPixmap& picture, std::function<QPixmap()> loadLarge)
{
    picture_ = picture;
    loadLarge_ = std::move(loadLarge);
    large_ = QPixmap();
    update();
}

void TileImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1 || picture_.isNull()) {
        large_ = QPixmap();
        painter.drawPixmap(0, 0, picture_);
        return;
    }
    if (large_.isNull() && loadLarge_)
        large_ = loadLarge_();
    // Scaled, each edge of the tile goes to the device pixel edge nearest its place in the window,
    // the same one its neighbour's edge goes to: no gap and no overlap between tiles.
    const QPoint origin = mapTo(window(), QPoint());
    const auto edge = [ratio](int windowPixel, int originPixel) {
        return std::round(windowPixel * ratio) / ratio - originPixel;
    };
    const QRectF target(
        QPointF(edge(origin.x(), origin.x()), edge(origin.y(), origin.y())),
        QPointF(edge(origin.x() + width(), origin.x()), edge(origin.y() + height(), origin.y())));
    const QPixmap& source = large_.isNull() ? picture_ : large_;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, source, QRectF(source.rect()));
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

} // namespace rutschbild::qt

#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

namespace rutschbild::qt {

// One tile of the board: its picture at natural size, no border, no keyboard focus. It reports a
// Click for a left press and release on it; the second click of a double-click reports none, so a
// quick double-click moves a tile once.
class TileImage final : public QWidget {
    Q_OBJECT
public:
    TileImage(int index, QWidget* parent);

    // The picture at natural size, and where to get the same drawn at twice the size for scaled
    // screens. That one is loaded only when the tile is painted scaled, and let go when it is
    // painted at 100 % again: most screens never need it.
    void setPicture(const QPixmap& picture, std::function<QPixmap()> loadLarge);
    bool holdsLargePicture() const { return !large_.isNull(); }

    // Reports a Click, as a mouse click on the tile does.
    void click() { emit clicked(index_); }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QPixmap picture_;
    std::function<QPixmap()> loadLarge_;
    QPixmap large_; // null until the tile is first painted scaled
    bool pressed_ = false;
    std::optional<quint64> lastReleaseTime_;
};

} // namespace rutschbild::qt

#include "board.h"
#include "accessible_text.h"
#include "convert.h"
#include "failure_texts.h"
#include "layout.h"
#include "picture_sets.h"
#include "tile_image.h"
#include "tile_pictures.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace rutschbild::qt {

namespace {

// The program's pictures are part of it: without one it cannot go on. The message goes on screen
// where there is one (the headless platforms have nobody to close it) and to stderr, with what
// failed; then the program ends at once, as destructors run under a half-built window could fail.
[[noreturn]] void failToLoad(const QString& what)
{
    const QString text = toQString(kPictureFailureText);
    std::fprintf(stderr, "rutschbild: %s (%s)\n", qUtf8Printable(text), qUtf8Printable(what));
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMessageBox::critical(nullptr, toQString(layout::kWindowTitle), text);
    std::_Exit(EXIT_FAILURE);
}

// A line drawn over the board: a strip one pixel wide, or the outline along the inner edge of
// its rectangle with the inside clear. Clicks pass through it to the tiles below.
class BoardLine final : public QWidget {
public:
    enum class Shape { strip, outline };

    BoardLine(Shape shape, const QRect& pixels, const QColor& colour, QWidget* parent)
        : QWidget(parent), shape_(shape), colour_(colour)
    {
        setGeometry(pixels);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (shape_ == Shape::strip) {
            painter.fillRect(rect(), colour_);
            return;
        }
        painter.fillRect(0, 0, width(), 1, colour_);
        painter.fillRect(0, height() - 1, width(), 1, colour_);
        painter.fillRect(0, 0, 1, height(), colour_);
        painter.fillRect(width() - 1, 0, 1, height(), colour_);
    }

private:
    Shape shape_;
    QColor colour_;
};

QRect linePixels(const layout::TwipLine& line)
{
    // One pixel wide; the end point is not drawn, so it covers exactly the board's width or height.
    return {pixels(line.x1), pixels(line.y1), std::max(1, pixels(line.x2 - line.x1)),
            std::max(1, pixels(line.y2 - line.y1))};
}

} // namespace

// Created in reverse stacking order: each new child of a widget lies above the older ones, so
// the lines lie over the tiles and the controls, made later, over the board.
Board::Board(const WindowView& view, QWidget* window)
    : QObject(window), view_(view), window_(window)
{
    setObjectName(QStringLiteral("board"));
    const QColor lineColour = toQColor(layout::kBoardLineColour);
    for (int i = 0; i < kTiles; ++i) {
        tiles_[i] = new TileImage(i, window);
        tiles_[i]->setAccessibleName(toQString(tileName(i)));
        connect(tiles_[i], &TileImage::clicked, this, &Board::tilePressed);
    }
    gap_ = new BoardGap(this);
    gap_->setObjectName(QStringLiteral("gap"));
    for (int i = 0; i < layout::kGridLineCount; ++i) {
        gridLines_[i] = new BoardLine(BoardLine::Shape::strip, linePixels(layout::gridLine(i)),
                                      lineColour, window);
        gridLines_[i]->setObjectName(QStringLiteral("gridLine%1").arg(i));
    }
    auto* outline =
        new BoardLine(BoardLine::Shape::outline, pixels(layout::kBoardOutline), lineColour, window);
    outline->setObjectName(QStringLiteral("boardOutline"));
    placeTiles();
    told_ = entries();
    toldGapSlot_ = gapSlot();
}

void Board::show(unsigned parts)
{
    if (parts & kPicturePart)
        showPictures();
    if (parts & kRunningPart)
        for (QWidget* line : gridLines_)
            line->setVisible(view_.gridLinesVisible);
    if (parts & kBoardPart) {
        placeTiles();
        tellListeners();
    }
}

// Each tile at its slot's box; the one the view leaves out is hidden. A tile's new place goes to
// screen readers too; they hear of the change.
void Board::placeTiles()
{
    for (int tile = 0; tile < kTiles; ++tile) {
        const std::optional<int> slot = slotOf(tile);
        tiles_[tile]->setVisible(slot.has_value());
        if (!slot)
            continue;
        tiles_[tile]->setGeometry(pixels(layout::slotBox(*slot)));
        const QString place = toQString(placeDescription(*slot));
        if (tiles_[tile]->accessibleDescription() != place)
            tiles_[tile]->setAccessibleDescription(place);
    }
}

void Board::showPictures()
{
    for (int tile = 0; tile < kTiles; ++tile) {
        const int set = view_.pictureSet;
        const QPixmap picture = piecePicture(set, tile);
        if (picture.isNull())
            failToLoad(QStringLiteral("tile bitmap %1").arg(bitmapNumber(set, tile)));
        tiles_[tile]->setPicture(picture, [set, tile] { return piecePicture2x(set, tile); });
    }
}

QList<QObject*> Board::entries() const
{
    QList<QObject*> inOrder;
    for (int slot = 0; slot < kTiles; ++slot) {
        const int tile = view_.tileInSlot[slot];
        inOrder.append(tile == kNoTile ? static_cast<QObject*>(gap_) : tiles_[tile]);
    }
    return inOrder;
}

std::optional<int> Board::gapSlot() const
{
    for (int slot = 0; slot < kTiles; ++slot)
        if (view_.tileInSlot[slot] == kNoTile)
            return slot;
    return std::nullopt;
}

std::optional<int> Board::slotOf(int tile) const
{
    for (int slot = 0; slot < kTiles; ++slot)
        if (view_.tileInSlot[slot] == tile)
            return slot;
    return std::nullopt;
}

void Board::tellListeners()
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

} // namespace rutschbild::qt

#include "tile_pictures.h"
#include "picture_sets.h"

#include <QImage>
#include <QString>

// Q_INIT_RESOURCE declares the resource's init function in the scope it is used in, so it must
// stay outside the namespace. Without it the linker drops the resources of a static library.
static void initPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace rutschbild::qt {

namespace {

bool isTileNumber(int number)
{
    return number >= kFirstBitmapNumber && number <= kLastBitmapNumber;
}

void ensureResources()
{
    static const bool initialised = (initPictureResources(), true);
    (void)initialised;
}

} // namespace

QPixmap tileBitmap(int number)
{
    if (!isTileNumber(number))
        return {};
    ensureResources();
    return QPixmap(QStringLiteral(":/tiles/%1.bmp").arg(number));
}

QPixmap tilePicture2x(int number)
{
    if (!isTileNumber(number))
        return {};
    ensureResources();
    // Past the pixmap cache, which would keep all 24 once loaded: a tile lets its own go when the
    // screen is back at 100 %.
    return QPixmap::fromImage(QImage(QStringLiteral(":/tiles2x/%1.png").arg(number)));
}

QPixmap piecePicture(int set, int piece) { return tileBitmap(bitmapNumber(set, piece)); }

QPixmap piecePicture2x(int set, int piece) { return tilePicture2x(bitmapNumber(set, piece)); }

QIcon programIcon()
{
    ensureResources();
    return QIcon(QStringLiteral(":/icons/rutschbild.ico"));
}

} // namespace rutschbild::qt

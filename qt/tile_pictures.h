#pragma once
#include <QIcon>
#include <QPixmap>
namespace rutschbild::qt {
// The tile bitmap with the given resource number (one of the picture sets'); a null pixmap for
// any other number.
QPixmap tileBitmap(int number);
// The same tile drawn at twice the size (254 x 226), for screens scaled above 100 %; a null pixmap
// for any other number.
QPixmap tilePicture2x(int number);
// A piece of a picture set (index into kPictureSets), at natural size and at twice the size.
QPixmap piecePicture(int set, int piece);
QPixmap piecePicture2x(int set, int piece);
// The program icon (32 x 32 and 16 x 16 images).
QIcon programIcon();
} // namespace rutschbild::qt

#pragma once
#include <QIcon>
#include <QPixmap>
namespace rutschbild {
// The tile bitmap with the given resource number (101-124); a null pixmap for any other number.
QPixmap tileBitmap(int number);
// The program icon (32 x 32 and 16 x 16 images).
QIcon programIcon();
}

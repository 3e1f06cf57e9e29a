#include "tile_pictures.h"

#include <QList>
#include <QSize>

#include <gtest/gtest.h>

#include <algorithm>

namespace rutschbild::test {
namespace {

using namespace rutschbild::qt;

// The window's title bar and task bar pick the image nearest their size; both must be there.
TEST(ProgramIcon, OffersItsSixteenAndThirtyTwoPixelImages)
{
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    EXPECT_FALSE(icon.pixmap(QSize(16, 16)).isNull());
}

} // namespace
} // namespace rutschbild::test

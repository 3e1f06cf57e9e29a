// The board at the display scale the test runs at (QT_SCALE_FACTOR; ctest runs this suite at
// 1, 1.25, 1.5, 1.75, 2, 2.5 and 3, and once on two screens of different scales): tiles that
// meet exactly, sharp pictures, thin lines.
#include "main_window_fixture.h"
#include "tile_image.h"

#include <QScreen>

#include <cmath>

namespace rutschbild::testing {
namespace {

constexpr int kBoardLeft = 8, kBoardTop = 40, kTileWidth = 127, kTileHeight = 113;

class MainWindowScale : public MainWindowTest {
protected:
    double ratio() const { return window.devicePixelRatioF(); }
    int device(int logical) const { return static_cast<int>(std::lround(logical * ratio())); }
    QImage screenshot() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // How many tiles hold their picture drawn at twice the size.
    int tilesHoldingLargePictures() const
    {
        int holding = 0;
        for (int i = 0; i < 12; ++i)
            holding += qobject_cast<TileImage*>(tile(i))->holdsLargePicture();
        return holding;
    }

    // Each tile grabbed shows its picture drawn at twice the size (at a ratio of 2).
    void expectLargePictures(int first)
    {
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(tile(i)->grab().toImage().convertToFormat(QImage::Format_RGB32),
                      tilePicture2x(first + i).toImage().convertToFormat(QImage::Format_RGB32))
                << "tile " << i;
    }

    // Window-background pixels on the two device rows (or columns) either side of every tile
    // boundary, leaving out the hole of the fixed start at slot 11: where tiles leave a gap
    // between them, the background shows through.
    int backgroundAlongBoundaries(const QImage& image, bool holeAtSlot11)
    {
        const QRgb background = window.palette().color(QPalette::Window).rgb();
        const int left = device(kBoardLeft) + 1, right = device(kBoardLeft + 4 * kTileWidth) - 1;
        const int top = device(kBoardTop) + 1, bottom = device(kBoardTop + 3 * kTileHeight) - 1;
        const int holeLeft = device(kBoardLeft + 3 * kTileWidth);
        const int holeTop = device(kBoardTop + 2 * kTileHeight);
        const auto inHole = [&](int x, int y) {
            return holeAtSlot11 && x >= holeLeft && y >= holeTop;
        };
        int found = 0;
        for (int column = 1; column < 4; ++column) {
            const int edge = device(kBoardLeft + column * kTileWidth);
            for (int x : {edge - 1, edge})
                for (int y = top; y < bottom; ++y)
                    found += image.pixel(x, y) == background && !inHole(x, y);
        }
        for (int row = 1; row < 3; ++row) {
            const int edge = device(kBoardTop + row * kTileHeight);
            for (int y : {edge - 1, edge})
                for (int x = left; x < right; ++x)
                    found += image.pixel(x, y) == background && !inHole(x, y);
        }
        return found;
    }
};

TEST_F(MainWindowScale, TilesMeetWithoutSeamsInAGameAndOutOfOne)
{
    SCOPED_TRACE(ratio());
    EXPECT_EQ(backgroundAlongBoundaries(screenshot(), false), 0) << "after loading";
    click("startButton");
    EXPECT_EQ(backgroundAlongBoundaries(screenshot(), true), 0) << "in a game";
    click("previewButton");
    EXPECT_EQ(backgroundAlongBoundaries(screenshot(), false), 0) << "after Vorschau";
}

TEST_F(MainWindowScale, GridLinesStayOneLogicalPixelWide)
{
    click("startButton");
    const QImage image = screenshot();
    // Across grid line 2 (x = 135) at the middle of the top row: the white run is the width of one
    // logical pixel, rounded to whole device pixels.
    const int y = device(kBoardTop + kTileHeight / 2);
    int white = 0;
    for (int x = device(130); x < device(141); ++x)
        white += image.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_GE(white, 1);
    EXPECT_LE(white, static_cast<int>(std::ceil(ratio())) + 1) << ratio();
}

// At 100 % the window shows the tile bitmaps exactly: each board slot in the window grab is
// its bitmap, pixel for pixel.
void expectBitmapsExactly(const QImage& image)
{
    for (int i = 0; i < 12; ++i) {
        const QImage slot = image.copy(kBoardLeft + kTileWidth * (i % 4),
                                       kBoardTop + kTileHeight * (i / 4), kTileWidth, kTileHeight);
        QImage expected = tileBitmap(113 + i).toImage().convertToFormat(QImage::Format_RGB32);
        // The white outline lies over the board's outer edge.
        QPainter outline(&expected);
        outline.setPen(Qt::white);
        if (i / 4 == 0)
            outline.drawLine(0, 0, kTileWidth - 1, 0);
        if (i / 4 == 2)
            outline.drawLine(0, kTileHeight - 1, kTileWidth - 1, kTileHeight - 1);
        if (i % 4 == 0)
            outline.drawLine(0, 0, 0, kTileHeight - 1);
        if (i % 4 == 3)
            outline.drawLine(kTileWidth - 1, 0, kTileWidth - 1, kTileHeight - 1);
        outline.end();
        EXPECT_EQ(slot, expected) << "tile " << i;
    }
}

TEST_F(MainWindowScale, AtOneToOneTheWindowShowsTheBitmapsExactly)
{
    if (ratio() != 1)
        GTEST_SKIP() << "only at scale 1";
    expectBitmapsExactly(screenshot());
}

// At 200 % the tiles show the pictures drawn at twice the size, not the bitmaps enlarged.
TEST_F(MainWindowScale, AtTwiceTheSizeTilesShowTheLargePictures)
{
    if (ratio() != 2)
        GTEST_SKIP() << "only at scale 2";
    for (int i = 0; i < 12; ++i) {
        const QImage grabbed = tile(i)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(grabbed.size(), QSize(2 * kTileWidth, 2 * kTileHeight));
        const QImage doubled =
            tileBitmap(113 + i)
                .toImage()
                .convertToFormat(QImage::Format_RGB32)
                .scaled(grabbed.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_NE(grabbed, doubled) << "tile " << i << " is the bitmap pixel-doubled";
        EXPECT_EQ(grabbed, tilePicture2x(113 + i).toImage().convertToFormat(QImage::Format_RGB32))
            << "tile " << i;
    }
}

// The large pictures cost memory and a decode each: none is held at 100 %, each tile loads its
// own when it is painted scaled, and a new picture set lets the old ones go.
TEST_F(MainWindowScale, LargePicturesAreHeldOnlyForTilesPaintedScaled)
{
    SCOPED_TRACE(ratio());
    screenshot();
    EXPECT_EQ(tilesHoldingLargePictures(), ratio() == 1 ? 0 : 12);
    auto* list = control<QListWidget>("pictureList");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(tilesHoldingLargePictures(), 0) << "right after Garten is chosen";
    screenshot();
    EXPECT_EQ(tilesHoldingLargePictures(), ratio() == 1 ? 0 : 12);
    if (ratio() == 2)
        expectLargePictures(101);
}

// A window moved to a screen at 200 % and back: the tiles take their large pictures there and
// let them go on the screen at 100 %, where the bitmaps show exactly again.
TEST_F(MainWindowScale, MovedToAScaledScreenAndBack)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() != 2 || screens[0]->devicePixelRatio() != 1 ||
        screens[1]->devicePixelRatio() != 2)
        GTEST_SKIP() << "only on the two screens of tests/qt/two_screens.json";
    screenshot();
    EXPECT_EQ(tilesHoldingLargePictures(), 0);
    window.setScreen(screens[1]);
    ASSERT_EQ(ratio(), 2);
    expectLargePictures(113);
    EXPECT_EQ(tilesHoldingLargePictures(), 12);
    window.setScreen(screens[0]);
    ASSERT_EQ(ratio(), 1);
    expectBitmapsExactly(screenshot());
    EXPECT_EQ(tilesHoldingLargePictures(), 0);
}

} // namespace
} // namespace rutschbild::testing

#include "picture_sets.h"
#include "tile_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace rutschbild::test {
namespace {

using namespace rutschbild::qt;

QImage tileImage(int number)
{
    return tileBitmap(number).toImage().convertToFormat(QImage::Format_RGB32);
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

TEST(TileBitmaps, EveryNumberFrom101To124LoadsFromTheCompiledInResources)
{
    for (int number = 101; number <= 124; ++number) {
        SCOPED_TRACE(number);
        const QPixmap pixmap = tileBitmap(number);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(kTileWidth, kTileHeight));
    }
}

// Guards the .qrc: a number must bring up its own committed file, not a neighbour's.
TEST(TileBitmaps, EachNumberShowsTheCommittedFileOfThatNumber)
{
    for (int number = 101; number <= 124; ++number) {
        SCOPED_TRACE(number);
        QImage onDisk;
        ASSERT_TRUE(onDisk.loadFromData(
            sourceFile(QStringLiteral("resources/tiles/%1.bmp").arg(number)), "BMP"));
        EXPECT_EQ(tileImage(number), onDisk.convertToFormat(QImage::Format_RGB32));
    }
}

TEST(TileBitmaps, NumbersOutsideTheTileRangeGiveANullPictureInsteadOfFailing)
{
    for (int number : {100, 125, 0, -1, 1000}) {
        EXPECT_TRUE(tileBitmap(number).isNull()) << number;
    }
}

// Were both sets made from the same drawing, choosing the other picture would change nothing.
TEST(TileBitmaps, GartenAndKinderTilesDifferPieceByPiece)
{
    for (int tile = 0; tile < kTilesPerSet; ++tile) {
        SCOPED_TRACE(tile);
        const QImage garten = tileImage(kGartenFirst + tile);
        const QImage kinder = tileImage(kKinderFirst + tile);
        long long difference = 0;
        for (int y = 0; y < kTileHeight; ++y) {
            for (int x = 0; x < kTileWidth; ++x) {
                difference += colourDistance(garten.pixel(x, y), kinder.pixel(x, y));
            }
        }
        EXPECT_GT(difference / (kTileWidth * kTileHeight), 30);
    }
}

// A piece that is mostly flat sky or flat lawn cannot be told from its neighbours, and the
// puzzle becomes guesswork. Count the pixels that differ clearly from the pixel to their right
// or below: drawn detail (outlines, leaves, flowers) makes many, a smooth gradient none.
TEST(TileBitmaps, EveryPieceCarriesDrawnDetail)
{
    for (int first : kSetFirstNumbers) {
        for (int tile = 0; tile < kTilesPerSet; ++tile) {
            SCOPED_TRACE(first + tile);
            const QImage image = tileImage(first + tile);
            int detailed = 0;
            for (int y = 0; y + 1 < kTileHeight; ++y) {
                for (int x = 0; x + 1 < kTileWidth; ++x) {
                    const QRgb here = image.pixel(x, y);
                    if (colourDistance(here, image.pixel(x + 1, y)) > 24 ||
                        colourDistance(here, image.pixel(x, y + 1)) > 24) {
                        ++detailed;
                    }
                }
            }
            EXPECT_GT(detailed, kTileWidth * kTileHeight / 20);
        }
    }
}

// The large pictures are the same drawing as the bitmaps of the same number: halved, each is
// close to its bitmap and far from any other.
TEST(TileBitmaps, EachLargePictureIsItsBitmapAtTwiceTheSize)
{
    for (int number = 101; number <= 124; ++number) {
        SCOPED_TRACE(number);
        const QPixmap large = tilePicture2x(number);
        ASSERT_EQ(large.size(), QSize(2 * kTileWidth, 2 * kTileHeight));
        const QImage halved =
            large.toImage()
                .convertToFormat(QImage::Format_RGB32)
                .scaled(kTileWidth, kTileHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const auto meanDistance = [&](const QImage& other) {
            long long sum = 0;
            for (int y = 0; y < kTileHeight; ++y)
                for (int x = 0; x < kTileWidth; ++x)
                    sum += colourDistance(halved.pixel(x, y), other.pixel(x, y));
            return sum / (kTileWidth * kTileHeight);
        };
        const int neighbour = number == 124 ? 101 : number + 1;
        EXPECT_LT(meanDistance(tileImage(number)), 20);
        EXPECT_GT(meanDistance(tileImage(neighbour)), 30);
    }
    EXPECT_TRUE(tilePicture2x(100).isNull());
    EXPECT_TRUE(tilePicture2x(125).isNull());
}

} // namespace
} // namespace rutschbild::test

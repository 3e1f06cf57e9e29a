#include "picture_sets.h"

#include <QImage>
#include <QList>

#include <gtest/gtest.h>

#include <algorithm>

namespace rutschbild::test {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kRowBytes = 384; // 127 * 3 = 381, padded to a multiple of four
constexpr int kPixelBytes = kRowBytes * kTileHeight;
constexpr int kFileSize = kFileHeaderSize + kInfoHeaderSize + kPixelBytes; // 43,446

QString tilePath(int number) { return QStringLiteral("resources/tiles/%1.bmp").arg(number); }

// Other programs reading the bitmaps (and the window's own loader) rely on this exact layout:
// 24-bit BI_RGB, bottom-up, no colour table, rows padded with zeros.
TEST(PictureFiles, EveryTileFileHasTheExactBitmapLayout)
{
    for (int number = 101; number <= 124; ++number) {
        SCOPED_TRACE(number);
        const QByteArray data = sourceFile(tilePath(number));
        ASSERT_EQ(data.size(), kFileSize);
        EXPECT_EQ(data.left(2), QByteArray("BM"));
        EXPECT_EQ(u32(data, 2), static_cast<std::uint32_t>(kFileSize));
        EXPECT_EQ(u32(data, 6), 0u) << "reserved fields";
        EXPECT_EQ(u32(data, 10), static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize));

        const int info = kFileHeaderSize;
        EXPECT_EQ(u32(data, info), static_cast<std::uint32_t>(kInfoHeaderSize));
        EXPECT_EQ(i32(data, info + 4), kTileWidth);
        EXPECT_EQ(i32(data, info + 8), kTileHeight) << "positive height: rows bottom-up";
        EXPECT_EQ(u16(data, info + 12), 1) << "planes";
        EXPECT_EQ(u16(data, info + 14), 24) << "bits per pixel";
        EXPECT_EQ(u32(data, info + 16), 0u) << "BI_RGB, no compression";
        EXPECT_EQ(u32(data, info + 20), static_cast<std::uint32_t>(kPixelBytes));
        EXPECT_EQ(u32(data, info + 32), 0u) << "no colour table";
        EXPECT_EQ(u32(data, info + 36), 0u);

        for (int row = 0; row < kTileHeight; ++row) {
            const int padding = kFileHeaderSize + kInfoHeaderSize + row * kRowBytes + 381;
            for (int i = 0; i < 3; ++i) {
                ASSERT_EQ(data[padding + i], '\0') << "row " << row;
            }
        }
    }
}

TEST(PictureFiles, IconFileHoldsA32AndA16PixelImageOfSixteenColours)
{
    const QByteArray data = sourceFile(QStringLiteral("resources/icons/rutschbild.ico"));
    ASSERT_GE(data.size(), 6 + 2 * 16);
    EXPECT_EQ(u16(data, 0), 0);
    EXPECT_EQ(u16(data, 2), 1) << "type 1: icon";
    ASSERT_EQ(u16(data, 4), 2) << "exactly two images";

    QList<int> sizes;
    for (int entry = 0; entry < 2; ++entry) {
        SCOPED_TRACE(entry);
        const int at = 6 + entry * 16;
        const int size = static_cast<std::uint8_t>(data[at]);
        sizes.append(size);
        EXPECT_EQ(static_cast<std::uint8_t>(data[at + 1]), size) << "square";
        EXPECT_EQ(static_cast<std::uint8_t>(data[at + 2]), 16) << "colour count";
        EXPECT_EQ(u16(data, at + 6), 4) << "bits per pixel in the directory";

        // Colour table, 4-bit pixels and the 1-bit mask, rows padded to four bytes.
        const int colourRow = (size * 4 + 31) / 32 * 4;
        const int maskRow = (size + 31) / 32 * 4;
        const std::uint32_t expectedBytes = 40 + 16 * 4 + size * (colourRow + maskRow);
        const std::uint32_t bytes = u32(data, at + 8);
        const std::uint32_t offset = u32(data, at + 12);
        EXPECT_EQ(bytes, expectedBytes);
        ASSERT_LE(offset + bytes, static_cast<std::uint32_t>(data.size()));

        const int info = static_cast<int>(offset);
        EXPECT_EQ(u32(data, info), 40u);
        EXPECT_EQ(i32(data, info + 4), size);
        EXPECT_EQ(i32(data, info + 8), 2 * size) << "colour image plus mask";
        EXPECT_EQ(u16(data, info + 12), 1);
        EXPECT_EQ(u16(data, info + 14), 4) << "bits per pixel in the image";
        EXPECT_EQ(u32(data, info + 16), 0u);
        EXPECT_LE(u32(data, info + 32), 16u);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (QList<int>{16, 32}));
}

TEST(PictureFiles, DesktopIconsExistAtEveryIntegrationSize)
{
    for (int size : {48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        QImage image;
        ASSERT_TRUE(image.loadFromData(
            sourceFile(QStringLiteral("resources/icons/rutschbild-%1.png").arg(size)), "PNG"));
        EXPECT_EQ(image.size(), QSize(size, size));
    }
}

} // namespace
} // namespace rutschbild::test

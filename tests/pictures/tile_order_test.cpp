#include "picture_sets.h"
#include "tile_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

namespace rutschbild::test {
namespace {

using namespace rutschbild::qt;

enum class Edge { Left, Right, Top, Bottom };

// Mean colour difference per pixel between one edge line of tile a and one of tile b.
double edgeDifference(const QImage& a, Edge edgeOfA, const QImage& b, Edge edgeOfB)
{
    const bool vertical = edgeOfA == Edge::Left || edgeOfA == Edge::Right;
    const int length = vertical ? kTileHeight : kTileWidth;
    auto pixelOn = [](const QImage& image, Edge edge, int i) {
        switch (edge) {
        case Edge::Left:
            return image.pixel(0, i);
        case Edge::Right:
            return image.pixel(kTileWidth - 1, i);
        case Edge::Top:
            return image.pixel(i, 0);
        case Edge::Bottom:
            return image.pixel(i, kTileHeight - 1);
        }
        return QRgb{};
    };
    long long sum = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb p = pixelOn(a, edgeOfA, i);
        const QRgb q = pixelOn(b, edgeOfB, i);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return static_cast<double>(sum) / length;
}

// A swapped or mis-numbered tile breaks the picture at its edges: the true neighbour must
// continue tile i's edge far better than any other tile of the set does.
void expectNeighbourFitsBest(const QImage (&tiles)[kTilesPerSet], int tile, int neighbour,
                             Edge from, Edge to)
{
    const double fit = edgeDifference(tiles[tile], from, tiles[neighbour], to);
    double bestOther = std::numeric_limits<double>::max();
    for (int other = 0; other < kTilesPerSet; ++other) {
        if (other != tile && other != neighbour) {
            bestOther = std::min(bestOther, edgeDifference(tiles[tile], from, tiles[other], to));
        }
    }
    EXPECT_LT(fit * 2, bestOther) << "tile " << tile << " and its neighbour " << neighbour
                                  << ": fit " << fit << ", best other " << bestOther;
}

TEST(TileOrder, EveryPieceContinuesIntoItsRightAndLowerNeighbour)
{
    for (int first : kSetFirstNumbers) {
        SCOPED_TRACE(first);
        QImage tiles[kTilesPerSet];
        for (int tile = 0; tile < kTilesPerSet; ++tile) {
            tiles[tile] = tileBitmap(first + tile).toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(tiles[tile].isNull());
        }
        for (int tile = 0; tile < kTilesPerSet; ++tile) {
            if (tile % kColumns + 1 < kColumns) {
                expectNeighbourFitsBest(tiles, tile, tile + 1, Edge::Right, Edge::Left);
            }
            if (tile + kColumns < kTilesPerSet) {
                expectNeighbourFitsBest(tiles, tile, tile + kColumns, Edge::Bottom, Edge::Top);
            }
        }
    }
}

} // namespace
} // namespace rutschbild::test

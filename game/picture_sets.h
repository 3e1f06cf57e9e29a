#pragma once

// The two built-in pictures, each cut into twelve pieces, and the numbers under which the
// programs carry the pieces as bitmap resources.
#include "slots.h"

#include <array>
#include <cassert>
#include <string_view>

namespace rutschbild {

struct PictureSet {
    std::string_view name; // as the picture list shows it
    int firstBitmap;       // piece i is bitmap firstBitmap + i
};

// In the picture list's order; the first is on the board when the window opens.
inline constexpr std::array<PictureSet, 2> kPictureSets{{{"Kinder", 113}, {"Garten", 101}}};
constexpr int kPictureSetCount = static_cast<int>(kPictureSets.size());

// The resource number of a set's piece (tile i shows piece i).
constexpr int bitmapNumber(int set, int piece)
{
    assert(set >= 0 && set < kPictureSetCount && piece >= 0 && piece < kTiles);
    return kPictureSets[set].firstBitmap + piece;
}

constexpr int kFirstBitmapNumber = 101;
constexpr int kLastBitmapNumber = 124;

// The Windows program also carries every piece drawn at twice the size, for screens of 192 DPI
// and over, as a PNG under the bitmap's number plus this.
constexpr int kTwiceSizeOffset = 100;
constexpr int twiceSizeResourceNumber(int set, int piece)
{
    return bitmapNumber(set, piece) + kTwiceSizeOffset;
}

} // namespace rutschbild

#pragma once

// The designed places and sizes of the controls of Form1, in twips. Controls inside a frame are
// placed relative to the frame.
#include "twips.h"

#include <array>

namespace rutschbild::layout {

constexpr int kClientWidth = 9750;
constexpr int kClientHeight = 7530;

// Tile i stands at column i mod 4, row i div 4 of the board; these are its designed places.
constexpr int kTileWidth = 1905;
constexpr int kTileHeight = 1695;
constexpr int kBoardLeft = 120;
constexpr int kBoardTop = 600;
constexpr TwipRect tile(int i)
{
    return {kBoardLeft + kTileWidth * (i % 4), kBoardTop + kTileHeight * (i / 4), kTileWidth,
            kTileHeight};
}

struct TwipLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Line1(0..4): between the rows, then between the columns.
constexpr std::array<TwipLine, 5> kLine1{{
    {120, 2295, 7740, 2295},
    {120, 3990, 7740, 3990},
    {2025, 600, 2025, 5685},
    {3930, 600, 3930, 5685},
    {5835, 600, 5835, 5685},
}};
constexpr TwipRect kShape1{120, 600, 7620, 5085};

constexpr TwipRect kLabel4{120, 120, 4935, 255};
constexpr TwipRect kFrame1{7800, 600, 1695, 1095};
constexpr std::array<TwipRect, 2> kOptSpielart{{{120, 360, 1335, 255}, {120, 720, 1335, 255}}};
constexpr TwipRect kFrame2{7800, 1800, 1695, 855};
constexpr TwipRect kLstBilder{360, 360, 1095, 255};
constexpr TwipRect kCmdVorschau{8160, 3000, 975, 375};
constexpr TwipRect kCmdSpiel{8160, 3480, 975, 375};
constexpr TwipRect kCommand1{8160, 3960, 975, 375};
constexpr TwipRect kLabel1{240, 5760, 735, 255};
constexpr TwipRect kLblStartzeit{1320, 5760, 855, 255};
constexpr TwipRect kLabel2{2640, 5760, 735, 255};
constexpr TwipRect kLblSpielzeit{3720, 5760, 855, 255};
constexpr TwipRect kLabel3{5400, 5760, 975, 255};
constexpr TwipRect kLblBewegungen{6480, 5760, 855, 255};

constexpr int kTimer1IntervalMilliseconds = 500;

} // namespace rutschbild::layout

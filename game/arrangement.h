#pragma once

#include "slots.h"

#include <array>
#include <cstdint>

namespace rutschbild {

// Indexed by tile: the slot the tile stands in. Entry 11 is the hole.
using Arrangement = std::array<std::int16_t, kTiles>;

// Every tile at home: the picture whole.
constexpr Arrangement kHomeArrangement{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

// The "immer gleich" start. On the board, row by row: 1 10 4 2 / 3 0 7 6 / 5 8 9 hole.
constexpr Arrangement kFixedArrangement{5, 0, 3, 4, 2, 8, 7, 6, 9, 10, 1, 11};

// Tiles that receive the slots left over once tile 0, tile 1 and the hole are placed.
constexpr std::array<int, 9> kHandOutOrder{10, 2, 8, 4, 6, 3, 7, 5, 9};

// The "immer anders" start for a minute and second of the clock (each 0 to 59).
Arrangement clockArrangement(int minute, int second);

// Twelve different slots 0 to 11.
bool isValid(const Arrangement& arrangement);

// Whether sliding moves can bring every tile home. Requires a valid arrangement.
bool isSolvable(const Arrangement& arrangement);

} // namespace rutschbild

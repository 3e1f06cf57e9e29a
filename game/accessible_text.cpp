#include "accessible_text.h"
#include "slots.h"

#include <cassert>

namespace rutschbild {

std::string tileName(int tile)
{
    assert(tile >= 0 && tile < kTiles);
    return "Bildteil " + std::to_string(tile + 1);
}

std::string placeDescription(int slot)
{
    assert(slot >= 0 && slot < kTiles);
    return "Reihe " + std::to_string(rowOf(slot) + 1) + ", Spalte " +
           std::to_string(columnOf(slot) + 1);
}

std::string tileMovedText(int tile, int slot)
{
    return tileName(tile) + " nach " + placeDescription(slot) + ".";
}

std::string tileDidNotMoveText(int tile)
{
    return tileName(tile) + " liegt nicht neben der " + std::string(kGapName) + ".";
}

} // namespace rutschbild

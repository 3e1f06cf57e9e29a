#pragma once

// The board is four columns by three rows of slots, numbered 0 to 11 row by row. Tile i's home
// is slot i; tile 11 is the one taken away, so its slot is the hole.
namespace rutschbild {

constexpr int kColumns = 4;
constexpr int kRows = 3;
constexpr int kTiles = kColumns * kRows;
constexpr int kHoleTile = kTiles - 1;

constexpr int rowOf(int slot) { return slot / kColumns; }
constexpr int columnOf(int slot) { return slot % kColumns; }
constexpr int slotAt(int row, int column) { return row * kColumns + column; }

// Side by side in one row, or one above the other in one column: never across a row's end.
constexpr bool areNeighbours(int a, int b)
{
    const int rows = rowOf(a) - rowOf(b);
    const int columns = columnOf(a) - columnOf(b);
    return (rows == 0 && (columns == 1 || columns == -1)) ||
           (columns == 0 && (rows == 1 || rows == -1));
}

} // namespace rutschbild

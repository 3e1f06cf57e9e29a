#pragma once

// Moving about the board by keyboard, the same in every front end that offers it.
#include "slots.h"

namespace rutschbild {

enum class BoardKey { up, down, left, right };

// The slot an arrow key leads to from a slot; at the board's edge it stays, never wrapping.
constexpr int slotAfterKey(int slot, BoardKey key)
{
    int row = rowOf(slot);
    int column = columnOf(slot);
    switch (key) {
    case BoardKey::up:
        row = row > 0 ? row - 1 : row;
        break;
    case BoardKey::down:
        row = row < kRows - 1 ? row + 1 : row;
        break;
    case BoardKey::left:
        column = column > 0 ? column - 1 : column;
        break;
    case BoardKey::right:
        column = column < kColumns - 1 ? column + 1 : column;
        break;
    }
    return slotAt(row, column);
}

} // namespace rutschbild

#pragma once

#include "slots.h"

#include <emscripten/val.h>

#include <array>
#include <string>
#include <vector>

namespace rutschbild::web {

// The tiles, the grid lines and the outline in the page, and the grid of cells over them that
// reads the board in slot order. A tile's place is two CSS custom properties in twips; the
// stylesheet turns them into pixels for the designed layout and into shares of the board for the
// touch layout. The tiles never move in the document: each cell owns (aria-owns) the tile that
// stands in it, and a cell without one is the gap.
class Board {
public:
    Board();

    const emscripten::val& element() const { return board_; }
    const emscripten::val& tile(int tile) const { return tiles_[tile]; }
    const emscripten::val& cell(int slot) const { return cells_[slot]; }

    void placeTile(int tile, int slot, int top, int left);
    void setTileVisible(int tile, bool visible);
    void setTilePicture(int tile, int bitmapNumber);
    void setGridLinesVisible(bool visible);
    // Tiles are unavailable (aria-disabled) while no game runs.
    void setTilesEnabled(bool enabled);

    enum class KeyUse { none, used, gapPressed };
    // A key on the board, on whatever has the focus there: a cell, or a tile button that a screen
    // reader's browse mode focused. Either way the current cell is the one the focus is in. The
    // arrows move the focus from cell to cell, without wrapping; Space and Enter press the tile in
    // the current cell as a click does, or say that it is the gap.
    KeyUse keyPressed(const std::string& key, const emscripten::val& focused);
    // The cell that has the focus, however it got it, is the grid's one stop in the tab order;
    // so is the cell of a focused tile.
    void cellFocused(int slot);
    void tileFocused(int tile) { cellFocused(slotOf_[tile]); }

private:
    void showInCell(int slot);
    // The slot of a cell, or the one a tile stands in; -1 for anything else.
    int slotOf(const emscripten::val& element) const;

    std::vector<emscripten::val> tiles_;
    std::vector<emscripten::val> gridLines_;
    emscripten::val board_;
    std::vector<emscripten::val> cells_;
    std::array<int, kTiles> slotOf_{};     // by tile, as last placed
    std::array<bool, kTiles> visible_{};   // by tile
    std::array<int, kTiles> tileInCell_{}; // by slot: the tile its cell owns, -1 for the gap
    int focusedCell_ = 0;                  // the cell in the tab order
};

} // namespace rutschbild::web

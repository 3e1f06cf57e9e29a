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

    const emscripten::val& tile(int tile) const { return tiles_[tile]; }
    const emscripten::val& grid() const { return grid_; }
    const emscripten::val& cell(int slot) const { return cells_[slot]; }

    void placeTile(int tile, int slot, int top, int left);
    void setTileVisible(int tile, bool visible);
    void setTilePicture(int tile, int bitmapNumber);
    void setGridLinesVisible(bool visible);
    // Tiles are unavailable (aria-disabled) while no game runs.
    void setTilesEnabled(bool enabled);

    // A key on the grid: the arrows move the focus from cell to cell, without wrapping; Space and
    // Enter press the tile in the focused cell as a click does. True where the key was used.
    bool keyPressed(const std::string& key);
    // The cell that has the focus, however it got it, is the grid's one stop in the tab order.
    void cellFocused(int slot);

private:
    void showInCell(int slot);

    std::vector<emscripten::val> tiles_;
    std::vector<emscripten::val> gridLines_;
    emscripten::val grid_;
    std::vector<emscripten::val> cells_;
    std::array<int, kTiles> slotOf_{};     // by tile, as last placed
    std::array<bool, kTiles> visible_{};   // by tile
    std::array<int, kTiles> tileInCell_{}; // by slot: the tile its cell owns, -1 for the gap
    int focusedCell_ = 0;                  // the cell in the tab order
};

} // namespace rutschbild::web

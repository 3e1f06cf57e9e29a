#pragma once

#include "window_view.h"

#include <emscripten/val.h>

#include <string>
#include <vector>

namespace rutschbild::web {

// The tiles, the grid lines and the outline in the page, and the grid of cells over them that
// reads the board in slot order. A tile's place is two CSS custom properties in twips; the
// stylesheet turns them into pixels for the designed layout and into shares of the board for the
// touch layout. The tiles never move in the document: each cell owns (aria-owns) the tile that
// stands in it, and a cell without one is the gap. The board keeps no arrangement of its own:
// it draws the game's view and reads that view to find what stands where.
class Board {
public:
    Board();

    const emscripten::val& element() const { return board_; }
    const emscripten::val& tile(int tile) const { return tiles_[tile]; }
    const emscripten::val& cell(int slot) const { return cells_[slot]; }

    // Draws the parts (ViewPart bits) of the view that concern the board.
    void show(const WindowView& view, unsigned parts);

    enum class KeyUse { none, used, gapPressed };
    // A key on the board, on whatever has the focus there: a cell, or a tile button that a screen
    // reader's browse mode focused. Either way the current cell is the one the focus is in. The
    // arrows move the focus from cell to cell, without wrapping; Space and Enter press the tile in
    // the current cell as a click does, or tell that it is the gap.
    KeyUse keyPressed(const WindowView& view, const std::string& key,
                      const emscripten::val& focused);
    // The cell that has the focus, however it got it, is the grid's one stop in the tab order;
    // so is the cell of a focused tile.
    void cellFocused(int slot);
    void tileFocused(const WindowView& view, int tile);

private:
    void placeTiles(const WindowView& view);
    void showPicture(int set);
    // The slot of a cell, or the one a tile stands in; -1 for anything else.
    int slotOf(const WindowView& view, const emscripten::val& element) const;

    std::vector<emscripten::val> tiles_;
    std::vector<emscripten::val> gridLines_;
    emscripten::val board_;
    std::vector<emscripten::val> cells_;
    int focusedCell_ = 0; // the cell in the tab order
};

} // namespace rutschbild::web

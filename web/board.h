#pragma once

#include <emscripten/val.h>

#include <vector>

namespace rutschbild::web {

// The tiles, the grid lines and the outline in the page. A tile's place is two CSS custom
// properties in twips; the stylesheet turns them into pixels for the designed layout and into
// shares of the board for the touch layout.
class Board {
public:
    Board();

    const emscripten::val& tile(int tile) const { return tiles_[tile]; }

    void placeTile(int tile, int slot, int top, int left);
    void setTileVisible(int tile, bool visible);
    void setTilePicture(int tile, int bitmapNumber);
    void setGridLinesVisible(bool visible);

private:
    std::vector<emscripten::val> tiles_;
    std::vector<emscripten::val> gridLines_;
};

} // namespace rutschbild::web

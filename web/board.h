#pragma once

#include <emscripten/val.h>

#include <vector>

namespace rutschbild {

// The tiles imgBild(0..11), the grid lines Line1(0..4) and the outline Shape1 in the page.
// A tile's place is two CSS custom properties in twips; the stylesheet turns them into pixels
// for the designed layout and into shares of the board for the touch layout.
class Board {
public:
    Board();

    const emscripten::val& tile(int tile) const { return imgBild_[tile]; }

    void placeTile(int tile, int top, int left);
    int tileTop(int tile) const;
    int tileLeft(int tile) const;
    void setTileVisible(int tile, bool visible);
    void setTilePicture(int tile, int bitmapNumber);
    void setGridLinesVisible(bool visible);

private:
    int twipProperty(int tile, const char* name) const;

    std::vector<emscripten::val> imgBild_;
    std::vector<emscripten::val> line1_;
};

} // namespace rutschbild

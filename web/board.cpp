#include "board.h"
#include "accessible_text.h"
#include "dom.h"
#include "game_control.h"
#include "layout.h"

#include <cassert>
#include <string>

namespace rutschbild::web {

using emscripten::val;

Board::Board()
{
    for (int i = 0; i < kTiles; ++i)
        tiles_.push_back(dom::element("tile" + std::to_string(i)));
    for (int i = 0; i < layout::kGridLineCount; ++i)
        gridLines_.push_back(dom::element("gridLine" + std::to_string(i)));
}

void Board::placeTile(int tile, int slot, int top, int left)
{
    const val style = tiles_[tile]["style"];
    style.call<void>("setProperty", std::string("--top"), std::to_string(top));
    style.call<void>("setProperty", std::string("--left"), std::to_string(left));
    tiles_[tile].call<void>("setAttribute", std::string("aria-description"),
                            placeDescription(slot));
}

void Board::setTileVisible(int tile, bool visible) { dom::setHidden(tiles_[tile], !visible); }

// The stylesheet shows picture set n's drawing on tiles with data-picture n, each cut out at its
// piece's column and row.
void Board::setTilePicture(int tile, int bitmapNumber)
{
    for (std::size_t set = 0; set < kPictureSets.size(); ++set) {
        const int piece = bitmapNumber - kPictureSets[set].firstBitmap;
        if (piece < 0 || piece >= kTiles)
            continue;
        tiles_[tile].call<void>("setAttribute", std::string("data-picture"), std::to_string(set));
        const val style = tiles_[tile]["style"];
        style.call<void>("setProperty", std::string("--piece-x"), std::to_string(columnOf(piece)));
        style.call<void>("setProperty", std::string("--piece-y"), std::to_string(rowOf(piece)));
        return;
    }
    assert(!"every bitmap belongs to a picture set");
}

void Board::setGridLinesVisible(bool visible)
{
    for (const val& line : gridLines_)
        dom::setHidden(line, !visible);
}

} // namespace rutschbild::web

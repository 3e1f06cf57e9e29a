#include "board.h"
#include "accessible_text.h"
#include "dom.h"
#include "game_control.h"
#include "layout.h"

#include <algorithm>
#include <cassert>

namespace rutschbild::web {

using emscripten::val;

namespace {
const std::string kOwns = "aria-owns";
const std::string kLabel = "aria-label";
} // namespace

// The page comes with every tile at home, each cell owning its own.
Board::Board() : board_(dom::element("board"))
{
    for (int i = 0; i < kTiles; ++i) {
        tiles_.push_back(dom::element("tile" + std::to_string(i)));
        cells_.push_back(dom::element("cell" + std::to_string(i)));
        slotOf_[i] = i;
        visible_[i] = true;
        tileInCell_[i] = i;
    }
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
    const int from = slotOf_[tile];
    slotOf_[tile] = slot;
    showInCell(from);
    showInCell(slot);
}

void Board::setTileVisible(int tile, bool visible)
{
    dom::setHidden(tiles_[tile], !visible);
    visible_[tile] = visible;
    showInCell(slotOf_[tile]);
}

// A cell owns the visible tile that stands in it. Every change of a tile's slot or visibility
// updates both cells concerned, so no tile is ever owned twice, and each cell ends up right even
// while Start puts tiles where others still stand.
void Board::showInCell(int slot)
{
    int tile = -1;
    for (int t = 0; t < kTiles; ++t) {
        if (visible_[t] && slotOf_[t] == slot)
            tile = t;
    }
    if (tile == tileInCell_[slot])
        return;
    tileInCell_[slot] = tile;
    const val& cell = cells_[slot];
    if (tile < 0) {
        cell.call<void>("removeAttribute", kOwns);
        cell.call<void>("setAttribute", kLabel, std::string(kGapName));
    } else {
        cell.call<void>("removeAttribute", kLabel);
        cell.call<void>("setAttribute", kOwns, "tile" + std::to_string(tile));
    }
}

void Board::setTilesEnabled(bool enabled)
{
    for (const val& tile : tiles_)
        tile.call<void>("setAttribute", std::string("aria-disabled"),
                        std::string(enabled ? "false" : "true"));
}

Board::KeyUse Board::keyPressed(const std::string& key, const val& focused)
{
    const int current = slotOf(focused);
    if (current < 0)
        return KeyUse::none;
    cellFocused(current);
    int row = rowOf(current);
    int column = columnOf(current);
    if (key == "ArrowUp")
        row = std::max(row - 1, 0);
    else if (key == "ArrowDown")
        row = std::min(row + 1, kRows - 1);
    else if (key == "ArrowLeft")
        column = std::max(column - 1, 0);
    else if (key == "ArrowRight")
        column = std::min(column + 1, kColumns - 1);
    else if (key == " " || key == "Enter") {
        // Through the tile's own click, so the key does all a click does, the sound included.
        const int tile = tileInCell_[current];
        if (tile < 0)
            return KeyUse::gapPressed;
        tiles_[tile].call<void>("click");
        return KeyUse::used;
    } else {
        return KeyUse::none;
    }
    const int slot = slotAt(row, column);
    cellFocused(slot);
    cells_[slot].call<void>("focus");
    return KeyUse::used;
}

int Board::slotOf(const val& element) const
{
    for (int i = 0; i < kTiles; ++i) {
        if (element.strictlyEquals(cells_[i]))
            return i;
        if (element.strictlyEquals(tiles_[i]))
            return slotOf_[i];
    }
    return -1;
}

void Board::cellFocused(int slot)
{
    if (slot == focusedCell_)
        return;
    cells_[focusedCell_].call<void>("setAttribute", std::string("tabindex"), std::string("-1"));
    cells_[slot].call<void>("setAttribute", std::string("tabindex"), std::string("0"));
    focusedCell_ = slot;
}

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

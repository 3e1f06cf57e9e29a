#include "board.h"
#include "accessible_text.h"
#include "board_keys.h"
#include "dom.h"
#include "layout.h"

#include <algorithm>
#include <array>
#include <optional>

namespace rutschbild::web {

using emscripten::val;

namespace {

const std::string kOwns = "aria-owns";
const std::string kLabel = "aria-label";

std::string tileId(int tile) { return "tile" + std::to_string(tile); }

// An attribute's value, empty where the element has none.
std::string attribute(const val& element, const std::string& name)
{
    const val value = element.call<val>("getAttribute", name);
    return value.isNull() ? std::string() : value.as<std::string>();
}

std::optional<BoardKey> boardKey(const std::string& key)
{
    if (key == "ArrowUp")
        return BoardKey::up;
    if (key == "ArrowDown")
        return BoardKey::down;
    if (key == "ArrowLeft")
        return BoardKey::left;
    if (key == "ArrowRight")
        return BoardKey::right;
    return std::nullopt;
}

} // namespace

Board::Board() : board_(dom::element("board"))
{
    for (int i = 0; i < kTiles; ++i) {
        tiles_.push_back(dom::element(tileId(i)));
        cells_.push_back(dom::element("cell" + std::to_string(i)));
    }
    for (int i = 0; i < layout::kGridLineCount; ++i)
        gridLines_.push_back(dom::element("gridLine" + std::to_string(i)));
}

void Board::show(const WindowView& view, unsigned parts)
{
    if ((parts & kBoardPart) != 0)
        placeTiles(view);
    if ((parts & kRunningPart) != 0) {
        for (const val& line : gridLines_)
            dom::setHidden(line, !view.gridLinesVisible);
        // Tiles are unavailable while no game runs.
        const std::string disabled = view.gameRunning ? "false" : "true";
        for (const val& tile : tiles_)
            tile.call<void>("setAttribute", std::string("aria-disabled"), disabled);
    }
    if ((parts & kPicturePart) != 0)
        showPicture(view.pictureSet);
}

// Each tile at its slot's box, hidden where it stands in none; each cell owns the tile that
// stands in it. A cell's old tile is given up by every cell before any takes its new one, so no
// tile is ever owned twice.
void Board::placeTiles(const WindowView& view)
{
    std::array<bool, kTiles> placed{};
    std::vector<int> changedCells;
    for (int slot = 0; slot < kTiles; ++slot) {
        const int tile = view.tileInSlot[slot];
        const val& cell = cells_[slot];
        const std::string owns = tile == kNoTile ? "" : tileId(tile);
        if (attribute(cell, kOwns) == owns)
            continue;
        changedCells.push_back(slot);
        cell.call<void>("removeAttribute", kOwns);
    }
    for (int slot = 0; slot < kTiles; ++slot) {
        const int tile = view.tileInSlot[slot];
        if (tile == kNoTile)
            continue;
        placed[tile] = true;
        const TwipRect box = layout::slotBox(slot);
        const val style = tiles_[tile]["style"];
        style.call<void>("setProperty", std::string("--top"), std::to_string(box.top));
        style.call<void>("setProperty", std::string("--left"), std::to_string(box.left));
        tiles_[tile].call<void>("setAttribute", std::string("aria-description"),
                                placeDescription(slot));
    }
    for (int tile = 0; tile < kTiles; ++tile)
        dom::setHidden(tiles_[tile], !placed[tile]);
    for (const int slot : changedCells) {
        const int tile = view.tileInSlot[slot];
        const val& cell = cells_[slot];
        if (tile == kNoTile) {
            cell.call<void>("setAttribute", kLabel, std::string(kGapName));
        } else {
            cell.call<void>("removeAttribute", kLabel);
            cell.call<void>("setAttribute", kOwns, tileId(tile));
        }
    }
}

// The stylesheet shows picture set n's drawing on tiles with data-picture n, each cut out at its
// piece's column and row; tile i shows piece i.
void Board::showPicture(int set)
{
    for (int piece = 0; piece < kTiles; ++piece) {
        const val& tile = tiles_[piece];
        tile.call<void>("setAttribute", std::string("data-picture"), std::to_string(set));
        const val style = tile["style"];
        style.call<void>("setProperty", std::string("--piece-x"), std::to_string(columnOf(piece)));
        style.call<void>("setProperty", std::string("--piece-y"), std::to_string(rowOf(piece)));
    }
}

Board::KeyUse Board::keyPressed(const WindowView& view, const std::string& key, const val& focused)
{
    const int current = slotOf(view, focused);
    if (current < 0)
        return KeyUse::none;
    cellFocused(current);
    if (const std::optional<BoardKey> arrow = boardKey(key)) {
        const int slot = slotAfterKey(current, *arrow);
        cellFocused(slot);
        cells_[slot].call<void>("focus");
        return KeyUse::used;
    }
    if (key != " " && key != "Enter")
        return KeyUse::none;
    // Through the tile's own click, so the key does all a click does, the sound included.
    const int tile = view.tileInSlot[current];
    if (tile == kNoTile)
        return KeyUse::gapPressed;
    tiles_[tile].call<void>("click");
    return KeyUse::used;
}

int Board::slotOf(const WindowView& view, const val& element) const
{
    for (int slot = 0; slot < kTiles; ++slot) {
        if (element.strictlyEquals(cells_[slot]))
            return slot;
        const int tile = view.tileInSlot[slot];
        if (tile != kNoTile && element.strictlyEquals(tiles_[tile]))
            return slot;
    }
    return -1;
}

void Board::tileFocused(const WindowView& view, int tile)
{
    const auto* slot = std::find(view.tileInSlot.begin(), view.tileInSlot.end(), tile);
    if (slot != view.tileInSlot.end())
        cellFocused(static_cast<int>(slot - view.tileInSlot.begin()));
}

void Board::cellFocused(int slot)
{
    if (slot == focusedCell_)
        return;
    cells_[focusedCell_].call<void>("setAttribute", std::string("tabindex"), std::string("-1"));
    cells_[slot].call<void>("setAttribute", std::string("tabindex"), std::string("0"));
    focusedCell_ = slot;
}

} // namespace rutschbild::web

#include "board.h"
#include "arrangement.h"
#include "dom.h"
#include "form1_layout.h"
#include "game_control.h"

#include <cassert>
#include <string>

namespace rutschbild {

namespace {

// For screen readers: where a tile stands now, as row and column counted from 1.
std::string slotDescription(int top, int left)
{
    const int row = (top - layout::kBoardTop) / layout::kTileHeight;
    const int column = (left - layout::kBoardLeft) / layout::kTileWidth;
    return "Reihe " + std::to_string(row + 1) + ", Spalte " + std::to_string(column + 1);
}

} // namespace

Board::Board()
{
    for (int i = 0; i < kTiles; ++i)
        imgBild_.push_back(dom::element("imgBild" + std::to_string(i)));
    for (std::size_t i = 0; i < layout::kLine1.size(); ++i)
        line1_.push_back(dom::element("Line1_" + std::to_string(i)));
}

void Board::placeTile(int tile, int top, int left)
{
    const emscripten::val style = imgBild_[tile]["style"];
    style.call<void>("setProperty", std::string("--top"), std::to_string(top));
    style.call<void>("setProperty", std::string("--left"), std::to_string(left));
    imgBild_[tile].call<void>("setAttribute", std::string("aria-description"),
                              slotDescription(top, left));
}

int Board::tileTop(int tile) const { return twipProperty(tile, "--top"); }

int Board::tileLeft(int tile) const { return twipProperty(tile, "--left"); }

// Read back from the computed style, so before any move this is the designed place the
// stylesheet gives.
int Board::twipProperty(int tile, const char* name) const
{
    const emscripten::val style =
        emscripten::val::global("window").call<emscripten::val>("getComputedStyle", imgBild_[tile]);
    const std::string value = style.call<std::string>("getPropertyValue", std::string(name));
    assert(!value.empty());
    return std::stoi(value);
}

void Board::setTileVisible(int tile, bool visible) { dom::setHidden(imgBild_[tile], !visible); }

void Board::setTilePicture(int tile, int bitmapNumber)
{
    const bool kinder = bitmapNumber >= kKinderFirstBitmap;
    const int piece = bitmapNumber - (kinder ? kKinderFirstBitmap : kGartenFirstBitmap);
    assert(piece >= 0 && piece < kTiles);
    const emscripten::val& image = imgBild_[tile];
    image.call<void>("setAttribute", std::string("data-picture"),
                     std::string(kinder ? "kinder" : "garten"));
    const emscripten::val style = image["style"];
    style.call<void>("setProperty", std::string("--piece-x"), std::to_string(piece % kColumns));
    style.call<void>("setProperty", std::string("--piece-y"), std::to_string(piece / kColumns));
}

void Board::setGridLinesVisible(bool visible)
{
    for (const emscripten::val& line : line1_)
        dom::setHidden(line, !visible);
}

} // namespace rutschbild

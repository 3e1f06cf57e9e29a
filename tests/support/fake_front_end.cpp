#include "fake_front_end.h"

namespace rutschbild::testing {

FakeFrontEnd::FakeFrontEnd()
{
    // A freshly built window: every tile at its designed place.
    for (int tile = 0; tile < 12; ++tile)
        window.tiles[tile] = {designedTop(tile), designedLeft(tile)};
}

void FakeFrontEnd::addListItem(const std::string& text)
{
    listItems.push_back(text);
    window.log.push_back("item " + text);
}

std::string FakeFrontEnd::selectedListItemText() const
{
    return selectedItem < 0 ? std::string() : listItems.at(selectedItem);
}

void FakeFrontEnd::setTilePicture(int tile, int bitmapNumber)
{
    pictures[tile] = bitmapNumber;
    window.log.push_back("picture " + std::to_string(tile) + " " + std::to_string(bitmapNumber));
}

void FakeFrontEnd::setPlayTimeText(const std::string& text)
{
    playTime = text;
    window.log.push_back("playtime " + text);
}

void FakeFrontEnd::closeWindow()
{
    closed = true;
    window.log.push_back("close");
}

} // namespace rutschbild::testing

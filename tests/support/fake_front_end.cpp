#include "fake_front_end.h"

namespace rutschbild::testing {

namespace {
std::string onOff(bool value) { return value ? "on" : "off"; }
} // namespace

FakeFrontEnd::FakeFrontEnd()
{
    // A freshly built window: every tile at its designed place.
    for (int tile = 0; tile < 12; ++tile) {
        tiles[tile] = {designedTop(tile), designedLeft(tile)};
        tileSlots[tile] = tile;
    }
}

void FakeFrontEnd::placeTile(int tile, int slot, int top, int left)
{
    tiles[tile] = {top, left};
    tileSlots[tile] = slot;
    log.push_back("place " + std::to_string(tile) + " " + std::to_string(slot) + " " +
                  std::to_string(top) + " " + std::to_string(left));
}

void FakeFrontEnd::setHoleTileVisible(bool visible)
{
    holeTileVisible = visible;
    log.push_back("tile11 " + onOff(visible));
}

void FakeFrontEnd::setPictureListEnabled(bool enabled)
{
    listEnabled = enabled;
    log.push_back("list " + onOff(enabled));
}

void FakeFrontEnd::setPlayClockRunning(bool running)
{
    clockRunning = running;
    log.push_back("clock " + onOff(running));
}

void FakeFrontEnd::setGridLinesVisible(bool visible)
{
    linesVisible = visible;
    log.push_back("lines " + onOff(visible));
}

void FakeFrontEnd::setMovesText(const std::string& text)
{
    moves = text;
    log.push_back("moves " + text);
}

void FakeFrontEnd::setStartTimeText(const std::string& text)
{
    startTime = text;
    log.push_back("starttime " + text);
}

void FakeFrontEnd::setPlayTimeText(const std::string& text)
{
    playTime = text;
    log.push_back("playtime " + text);
}

void FakeFrontEnd::beep()
{
    ++beeps;
    log.push_back("beep");
}

void FakeFrontEnd::pictureComplete()
{
    ++picturesCompleted;
    log.push_back("complete");
}

void FakeFrontEnd::gameStarted() { told.push_back("started"); }

void FakeFrontEnd::gameEnded() { told.push_back("ended"); }

void FakeFrontEnd::tileMoved(int tile, int slot)
{
    told.push_back("moved " + std::to_string(tile) + " " + std::to_string(slot));
}

void FakeFrontEnd::tileDidNotMove(int tile) { told.push_back("stayed " + std::to_string(tile)); }

void FakeFrontEnd::tilePressedWithoutGame(int tile)
{
    told.push_back("no game " + std::to_string(tile));
}

void FakeFrontEnd::addListItem(const std::string& text)
{
    listItems.push_back(text);
    log.push_back("item " + text);
}

std::string FakeFrontEnd::selectedListItemText() const
{
    return selectedItem < 0 ? std::string() : listItems.at(selectedItem);
}

void FakeFrontEnd::setTilePicture(int tile, int bitmapNumber)
{
    pictures[tile] = bitmapNumber;
    log.push_back("picture " + std::to_string(tile) + " " + std::to_string(bitmapNumber));
}

void FakeFrontEnd::closeWindow()
{
    closed = true;
    log.push_back("close");
}

int designedTop(int slot) { return 600 + 1695 * (slot / 4); }
int designedLeft(int slot) { return 120 + 1905 * (slot % 4); }

} // namespace rutschbild::testing

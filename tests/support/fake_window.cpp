#include "fake_window.h"

namespace rutschbild::testing {

namespace {
std::string onOff(bool value) { return value ? "on" : "off"; }
} // namespace

void FakeWindow::placeTile(int tile, int top, int left)
{
    tiles[tile] = {top, left};
    log.push_back("place " + std::to_string(tile) + " " + std::to_string(top) + " " +
                  std::to_string(left));
}

void FakeWindow::setTile11Visible(bool visible)
{
    tile11Visible = visible;
    log.push_back("tile11 " + onOff(visible));
}

void FakeWindow::setPictureListEnabled(bool enabled)
{
    listEnabled = enabled;
    log.push_back("list " + onOff(enabled));
}

void FakeWindow::setPlayClockRunning(bool running)
{
    clockRunning = running;
    log.push_back("clock " + onOff(running));
}

void FakeWindow::setGridLinesVisible(bool visible)
{
    linesVisible = visible;
    log.push_back("lines " + onOff(visible));
}

void FakeWindow::setMovesText(const std::string& text)
{
    moves = text;
    log.push_back("moves " + text);
}

void FakeWindow::setStartTimeText(const std::string& text)
{
    startTime = text;
    log.push_back("starttime " + text);
}

void FakeWindow::beep()
{
    ++beeps;
    log.push_back("beep");
}

int designedTop(int slot) { return 600 + 1695 * (slot / 4); }
int designedLeft(int slot) { return 120 + 1905 * (slot % 4); }

} // namespace rutschbild::testing

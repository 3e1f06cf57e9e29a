#pragma once

#include "fake_window.h"
#include "front_end.h"

#include <string>
#include <vector>

namespace rutschbild::testing {

// A front end without a toolkit: the window operations go to a FakeWindow (which logs them),
// the rest is kept here and logged the same way.
class FakeFrontEnd final : public FrontEnd {
public:
    FakeFrontEnd();

    void placeTile(int tile, int top, int left) override { window.placeTile(tile, top, left); }
    void setTile11Visible(bool visible) override { window.setTile11Visible(visible); }
    void setPictureListEnabled(bool enabled) override { window.setPictureListEnabled(enabled); }
    void setPlayClockRunning(bool running) override { window.setPlayClockRunning(running); }
    void setGridLinesVisible(bool visible) override { window.setGridLinesVisible(visible); }
    std::string movesText() const override { return window.movesText(); }
    void setMovesText(const std::string& text) override { window.setMovesText(text); }
    void setStartTimeText(const std::string& text) override { window.setStartTimeText(text); }
    void beep() override { window.beep(); }

    int tileTop(int tile) const override { return window.tiles[tile].top; }
    int tileLeft(int tile) const override { return window.tiles[tile].left; }
    void addListItem(const std::string& text) override;
    std::string selectedListItemText() const override;
    void setTilePicture(int tile, int bitmapNumber) override;
    void setPlayTimeText(const std::string& text) override;
    void closeWindow() override;

    FakeWindow window;
    std::vector<std::string> listItems;
    int selectedItem = -1;
    int pictures[12]{};
    std::string playTime;
    bool closed = false;
};

} // namespace rutschbild::testing

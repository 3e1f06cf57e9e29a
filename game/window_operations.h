#pragma once

#include <string>

namespace rutschbild {

// Everything the game rules may do to the window. The rules never see a widget; a front end
// (the Qt window, or a test double) implements these on its own controls.
class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    // Coordinates are twips. A front end sets the top first, then the left.
    virtual void placeTile(int tile, int top, int left) = 0;
    virtual void setTile11Visible(bool visible) = 0;
    virtual void setPictureListEnabled(bool enabled) = 0;
    virtual void setPlayClockRunning(bool running) = 0;
    virtual void setGridLinesVisible(bool visible) = 0;
    // The move count lives only in this text.
    virtual std::string movesText() const = 0;
    virtual void setMovesText(const std::string& text) = 0;
    virtual void setStartTimeText(const std::string& text) = 0;
    virtual void beep() = 0;
};

} // namespace rutschbild

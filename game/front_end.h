#pragma once

#include <string>

namespace rutschbild {

// Everything the game does to the window, and the little it asks of it. A front end (the Qt
// window, the Win32 window, the web page, or a test's fake) implements it on its own controls;
// the game never sees a widget.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // Tile 0 to 11 now stands in this slot, whose place on the board is (top, left) in twips.
    virtual void placeTile(int tile, int slot, int top, int left) = 0;
    // Tile 11, the one taken away while a game runs.
    virtual void setHoleTileVisible(bool visible) = 0;
    virtual void setPictureListEnabled(bool enabled) = 0;
    // While it runs, the front end calls GameControl::playClockTicked every half second.
    virtual void setPlayClockRunning(bool running) = 0;
    virtual void setGridLinesVisible(bool visible) = 0;
    virtual void setMovesText(const std::string& text) = 0;
    virtual void setStartTimeText(const std::string& text) = 0;
    virtual void setPlayTimeText(const std::string& text) = 0;
    virtual void beep() = 0;
    // The last move made the picture whole: a front end tells screen readers.
    virtual void pictureComplete() = 0;
    // What a screen reader may tell of the game; a front end that tells nothing more keeps the
    // empty bodies. A game began with Start; it ended with Vorschau or the win, and the tiles do
    // nothing until the next Start.
    virtual void gameStarted() {}
    virtual void gameEnded() {}
    // A pressed tile slid into this slot, or stayed where it was, not being beside the hole.
    virtual void tileMoved(int /*tile*/, int /*slot*/) {}
    virtual void tileDidNotMove(int /*tile*/) {}
    // A tile was pressed while no game runs; the press did nothing.
    virtual void tilePressedWithoutGame(int /*tile*/) {}

    virtual void addListItem(const std::string& text) = 0;
    // The text of the picture list's selected item; empty while none is selected.
    virtual std::string selectedListItemText() const = 0;
    // Show the numbered bitmap of the program's pictures on a tile.
    virtual void setTilePicture(int tile, int bitmapNumber) = 0;
    // Closing the only window ends the program.
    virtual void closeWindow() = 0;
};

} // namespace rutschbild

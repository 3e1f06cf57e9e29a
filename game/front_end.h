#pragma once

#include "window_operations.h"

#include <string>

namespace rutschbild {

// A whole front end: the window operations the game rules need, plus what the handlers of the
// window need on their own. Kept free of any toolkit so another front end can supply it.
class FrontEnd : public WindowOperations {
public:
    // Where imgBild(tile) stands now, in twips; before the first move that is its designed place.
    virtual int tileTop(int tile) const = 0;
    virtual int tileLeft(int tile) const = 0;

    virtual void addListItem(const std::string& text) = 0;
    // The text of the selected item of lstBilder; empty while none is selected.
    virtual std::string selectedListItemText() const = 0;

    // Show the numbered bitmap of the program's resources on imgBild(tile).
    virtual void setTilePicture(int tile, int bitmapNumber) = 0;
    virtual void setPlayTimeText(const std::string& text) = 0;
    // Closing the only window ends the program.
    virtual void closeWindow() = 0;
};

} // namespace rutschbild

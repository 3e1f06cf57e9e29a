#pragma once

// What the window shows at one moment, as the rules decide it: a front end draws this and keeps
// no game state of its own.
#include "slots.h"

#include <array>
#include <string>

namespace rutschbild {

constexpr int kNoTile = -1;

struct WindowView {
    // By slot: the tile that stands there, kNoTile for the gap. Tile i always shows piece i of
    // the picture set.
    std::array<int, kTiles> tileInSlot{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    bool gameRunning = false; // tiles answer presses only while a game runs
    bool gridLinesVisible = false;
    bool pictureListEnabled = true;
    bool playClockRunning = false; // while it runs, the front end calls Game::tick twice a second
    int pictureSet = 0;            // index into kPictureSets
    std::string startTimeText;
    std::string playTimeText;
    std::string movesText;

    bool operator==(const WindowView&) const = default;
};

// Which parts of the view an action changed, so a front end redraws only those.
enum ViewPart : unsigned {
    kBoardPart = 1U << 0,   // tileInSlot
    kRunningPart = 1U << 1, // gameRunning, grid lines, picture list, play clock
    kPicturePart = 1U << 2, // pictureSet
    kTextsPart = 1U << 3,   // the three value texts
    kAllParts = kBoardPart | kRunningPart | kPicturePart | kTextsPart,
};

} // namespace rutschbild

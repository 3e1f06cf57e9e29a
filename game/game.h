#pragma once

// The game: the board, its rules and the window's handlers, as actions a front end forwards
// from its controls. The game is valid from its first line (the picture whole, no game running)
// and tells the front end what to show after every action.
#include "arrangement.h"
#include "clock.h"
#include "front_end.h"
#include "window_view.h"

#include <cstdint>
#include <string>

namespace rutschbild {

enum class StartMode { fixed = 0, clock = 1 }; // "immer gleich", "immer anders"

class Game {
public:
    Game(FrontEnd& frontEnd, const Clock& clock) : frontEnd_(frontEnd), clock_(clock) {}

    // What the window shows now; a front end draws it once when it opens.
    const WindowView& view() const { return view_; }
    // By tile: its slot; entry 11 is the hole's.
    const Arrangement& arrangement() const { return tileSlots_; }
    std::uint64_t moveCount() const { return moveCount_; }

    void start();
    void preview();
    void quit() { frontEnd_.closeWindow(); }
    // Applies from the next start.
    void chooseStartMode(StartMode mode) { startMode_ = mode; }
    // Tile 0 to 11 pressed: it slides into the hole when it stands next to it.
    void pressTile(int tile);
    // The empty place pressed (by keyboard or screen reader): nothing moves; the player is told.
    void pressGap();
    // A picture set chosen in the list (index into kPictureSets); only while no game runs.
    void choosePicture(int set);
    // Half a second of the play clock has passed.
    void tick();

private:
    void endGame();
    void refresh(unsigned parts);

    FrontEnd& frontEnd_;
    const Clock& clock_;
    Arrangement tileSlots_ = kHomeArrangement;
    bool running_ = false;
    StartMode startMode_ = StartMode::fixed;
    std::uint64_t moveCount_ = 0; // across games, for as long as the window is open
    std::int64_t startMonotonicMilliseconds_ = 0;
    WindowView view_;
};

// "H : M : S" without leading zeros.
std::string startTimeText(const LocalDateTime& time);
// "M : S" of an elapsed time, whole seconds, whole hours dropped, no leading zeros.
std::string playTimeText(std::int64_t elapsedMilliseconds);

} // namespace rutschbild

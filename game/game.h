#pragma once

#include "arrangement.h"
#include "clock.h"
#include "front_end.h"

#include <array>
#include <cstdint>
#include <string>

namespace rutschbild {

enum class StartMode : std::int16_t { fixed = 0, clock = 1 }; // "immer gleich", "immer anders"

struct TwipPoint {
    int top = 0;
    int left = 0;
};

// Everything the window remembers between events. Starts all zero, like a new window.
struct GameState {
    Arrangement tileSlots{};                    // by tile: its slot; entry 11 is the hole
    std::array<TwipPoint, kTiles> slotPlaces{}; // by slot: where a tile there stands
    bool gameOver = false;                      // true while no game runs
    StartMode startMode = StartMode::fixed;
    std::uint64_t moveCount = 0; // across games, for as long as the window is open
    LocalDateTime startTime{};
    std::int64_t startMonotonicMilliseconds = 0; // the same instant, for measuring play time
};

// The game rules: tile clicks, the solved check and the start arrangements. All effects on the
// window go through the FrontEnd; time comes from the Clock.
class Game {
public:
    Game(FrontEnd& frontEnd, const Clock& clock) : frontEnd_(frontEnd), clock_(clock) {}

    const GameState& state() const { return state_; }

    // Where each slot is on the window: the designed places of the tiles.
    void recordSlotPlaces();
    void setGameOver(bool over) { state_.gameOver = over; }
    void setStartMode(int mode);

    // A click on tile 0 to 11: it slides into the hole when it stands next to it.
    void clickTile(int tile);
    // Start time, its text and the start arrangement for the next game.
    void chooseStartArrangement();
    // Puts a tile into a slot, on the board and in the window.
    void placeTile(int tile, int slot);

    void checkSolved();
    void showGridLines();
    void beepOnce();
    void beepThrice();

private:
    FrontEnd& frontEnd_;
    const Clock& clock_;
    GameState state_;
};

// "H : M : S" without leading zeros.
std::string startTimeText(const LocalDateTime& time);

} // namespace rutschbild

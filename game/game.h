#pragma once

#include "arrangement.h"
#include "clock.h"
#include "window_operations.h"

#include <array>
#include <cstdint>
#include <string>

namespace rutschbild {

// Everything the window remembers between events. Starts all zero, like the window's variables.
struct GameState {
    Arrangement Position{};                                  // by tile: its slot; 11 = the hole
    std::array<std::array<std::int16_t, 2>, kTiles> Platz{}; // by slot: {top, left} in twips
    bool Spielende = false;                                  // true while no game runs
    bool Bewegt = false;                                     // the current click moved a tile
    std::int16_t AktPlatz = 0;                               // slot of the tile just clicked
    std::int16_t AktBild = 0;                                // index of the tile just clicked
    std::int16_t Spielart = 0;                               // 0 "immer gleich", 1 "immer anders"
    LocalDateTime Startzeitpunkt{};
    std::int64_t startMonotonicMilliseconds = 0; // same instant, for measuring play time
};

// The game rules: tile clicks, the solved check and the start arrangements. All effects on the
// window go through WindowOperations; time comes from the Clock.
class Game {
public:
    Game(WindowOperations& window, const Clock& clock) : window_(window), clock_(clock) {}

    const GameState& state() const { return state_; }

    // The window records where each slot is, read from the designed tile positions.
    void recordSlotPlace(int slot, int top, int left);
    void setSpielende(bool ended) { state_.Spielende = ended; }
    void setSpielart(int mode);

    // A click on tile imgBild(tile), 0 to 11.
    void tileClick(int tile);

    // Start time, its text and the start arrangement for the next game.
    void Zufall();

    void ErgebnisPrüfen();
    void LinienZeigen();
    void Sound1();
    void Sound2();

private:
    void ObenPrüfen();
    void UntenPrüfen();
    void LinksPrüfen();
    void RechtsPrüfen();
    void moveClickedTileTo(int slot);

    WindowOperations& window_;
    const Clock& clock_;
    GameState state_;
};

// "H : M : S" without leading zeros.
std::string startTimeText(const LocalDateTime& time);

} // namespace rutschbild

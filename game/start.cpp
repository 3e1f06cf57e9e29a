// The start of a game: start time, its text and the start arrangement.
#include "game.h"
#include "number_text.h"

#include <cassert>

namespace rutschbild {

void Game::recordSlotPlace(int slot, int top, int left)
{
    assert(slot >= 0 && slot < kTiles);
    state_.Platz[slot] = {static_cast<std::int16_t>(top), static_cast<std::int16_t>(left)};
}

void Game::setSpielart(int mode)
{
    assert(mode == 0 || mode == 1);
    state_.Spielart = static_cast<std::int16_t>(mode);
}

void Game::Zufall()
{
    state_.Startzeitpunkt = clock_.localNow();
    state_.startMonotonicMilliseconds = clock_.monotonicMilliseconds();
    window_.setStartTimeText(startTimeText(state_.Startzeitpunkt));

    // Both modes use the one reading above, so the board matches the time on display.
    state_.Position = state_.Spielart == 0
                          ? kFixedArrangement
                          : clockArrangement(state_.Startzeitpunkt.minute,
                                             state_.Startzeitpunkt.second);
}

std::string startTimeText(const LocalDateTime& time)
{
    return decimalText(time.hour) + " : " + decimalText(time.minute) + " : " +
           decimalText(time.second);
}

} // namespace rutschbild

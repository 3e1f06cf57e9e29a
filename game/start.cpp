// The start of a game: start time, its text and the start arrangement.
#include "game.h"
#include "layout.h"
#include "number_text.h"

#include <cassert>

namespace rutschbild {

void Game::recordSlotPlaces()
{
    for (int slot = 0; slot < kTiles; ++slot) {
        const TwipRect box = layout::slotBox(slot);
        state_.slotPlaces[slot] = {box.top, box.left};
    }
}

void Game::setStartMode(int mode)
{
    assert(mode == 0 || mode == 1);
    state_.startMode = static_cast<StartMode>(mode);
}

void Game::chooseStartArrangement()
{
    state_.startTime = clock_.localNow();
    state_.startMonotonicMilliseconds = clock_.monotonicMilliseconds();
    frontEnd_.setStartTimeText(startTimeText(state_.startTime));

    // Both modes use the one reading above, so the board matches the time on display.
    state_.tileSlots = state_.startMode == StartMode::fixed
                           ? kFixedArrangement
                           : clockArrangement(state_.startTime.minute, state_.startTime.second);
}

std::string startTimeText(const LocalDateTime& time)
{
    return decimalText(time.hour) + " : " + decimalText(time.minute) + " : " +
           decimalText(time.second);
}

} // namespace rutschbild

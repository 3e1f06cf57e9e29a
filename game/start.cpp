// The start of a game: start time, its text and the start arrangement.
#include "accessible_text.h"
#include "game.h"
#include "number_text.h"

namespace rutschbild {

void Game::start()
{
    // One reading of the clock for the text and the board, so the board matches the time shown.
    const LocalDateTime now = clock_.localNow();
    startMonotonicMilliseconds_ = clock_.monotonicMilliseconds();
    view_.startTimeText = startTimeText(now);
    tileSlots_ = startMode_ == StartMode::fixed ? kFixedArrangement
                                                : clockArrangement(now.minute, now.second);
    running_ = true;
    refresh(kBoardPart | kRunningPart | kTextsPart);
    frontEnd_.announce(kGameStartedText);
}

std::string startTimeText(const LocalDateTime& time)
{
    return decimalText(time.hour) + " : " + decimalText(time.minute) + " : " +
           decimalText(time.second);
}

} // namespace rutschbild

#pragma once

#include "clock.h"
#include "front_end.h"
#include "game.h"

#include <cstdint>
#include <string>

namespace rutschbild {

// First bitmap number of each picture set; tile i shows bitmap first + i.
constexpr int kKinderFirstBitmap = 113;
constexpr int kGartenFirstBitmap = 101;

// The handlers of the window: what each event does, told to a front end that owns the controls
// and delivers the events one at a time.
class GameControl {
public:
    GameControl(FrontEnd& frontEnd, const Clock& clock)
        : frontEnd_(frontEnd), clock_(clock), game_(frontEnd, clock)
    {
    }

    const GameState& state() const { return game_.state(); }

    void Form_Load();
    void cmdSpielClick();     // "Start"
    void cmdVorschauClick();  // "Vorschau"
    void command1Click();     // "Tschüss"
    void optSpielartClick(int index);
    void imgBildClick(int tile);
    void lstBilderClick();
    void timer1Tick();

    void BildLaden(int Res);

private:
    FrontEnd& frontEnd_;
    const Clock& clock_;
    Game game_;
};

// "M : S" of an elapsed time, whole seconds, whole hours dropped, no leading zeros.
std::string playTimeText(std::int64_t elapsedMilliseconds);

} // namespace rutschbild

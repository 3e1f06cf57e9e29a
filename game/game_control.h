#pragma once

#include "clock.h"
#include "front_end.h"
#include "game.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rutschbild {

struct PictureSet {
    std::string_view name; // as the picture list shows it
    int firstBitmap;       // tile i shows bitmap firstBitmap + i
};

// In the picture list's order; the first is on the board when the window opens.
inline constexpr std::array<PictureSet, 2> kPictureSets{{{"Kinder", 113}, {"Garten", 101}}};

// The handlers of the window: what each event does, told to a front end that owns the controls
// and delivers the events one at a time.
class GameControl {
public:
    GameControl(FrontEnd& frontEnd, const Clock& clock)
        : frontEnd_(frontEnd), clock_(clock), game_(frontEnd, clock)
    {
    }

    const GameState& state() const { return game_.state(); }

    void load(); // once, when the window has been created
    void startClicked();
    void previewClicked();
    void quitClicked();
    void startModeClicked(int mode); // 0 "immer gleich", 1 "immer anders"
    void tileClicked(int tile);
    void pictureListClicked();
    void playClockTicked();

    void loadPictureSet(int firstBitmap);

private:
    FrontEnd& frontEnd_;
    const Clock& clock_;
    Game game_;
};

// "M : S" of an elapsed time, whole seconds, whole hours dropped, no leading zeros.
std::string playTimeText(std::int64_t elapsedMilliseconds);

} // namespace rutschbild

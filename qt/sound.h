#pragma once

#include <QObject>
#include <QThread>

namespace rutschbild::qt {

// The system beep: one short sound per call. A call never waits for the sound.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class EventSoundPlayer;

// The desktop's event sound through libcanberra: "bell-window-system" of the sound theme, which
// themes without it answer with their "bell". libcanberra is driven from a thread of its own,
// since starting a sound can take a sound server many milliseconds; beep() only hands the
// request over. Where no sound can be played (no sound server, no theme), each beep is the
// toolkit's beep instead, and one line on stderr says why, once.
class CanberraBeeper final : public Beeper {
public:
    CanberraBeeper();
    ~CanberraBeeper() override;
    CanberraBeeper(const CanberraBeeper&) = delete;
    CanberraBeeper& operator=(const CanberraBeeper&) = delete;

    void beep() override;

private:
    QObject receiver_; // takes the player's fallback beeps on this thread
    QThread thread_;
    EventSoundPlayer* player_; // lives on thread_, deleted there when it finishes
};

} // namespace rutschbild::qt

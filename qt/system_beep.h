#pragma once

#include <QObject>

#include <memory>

struct ca_context;

namespace rutschbild {

// The system beep: one short sound per call. A call never waits for the sound.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// The desktop's event sound through libcanberra: "bell-window-system" of the sound theme, which
// themes without it answer with their "bell". A beep asked for while one plays follows it when
// it has finished, or a fifth of a second after it began if that comes first (some sound paths
// report the end late), so three in a row are heard as three. Where no sound can be played (no
// sound server, no theme), each beep is the toolkit's beep instead, and one line on stderr says
// why, once.
class CanberraBeeper final : public Beeper {
public:
    CanberraBeeper();
    ~CanberraBeeper() override;
    CanberraBeeper(const CanberraBeeper&) = delete;
    CanberraBeeper& operator=(const CanberraBeeper&) = delete;

    void beep() override;

private:
    struct ContextDeleter {
        void operator()(ca_context* context) const;
    };

    void playWaitingBeeps();
    void playAfter(unsigned id);
    int play(unsigned id);
    void fallBack(int error);
    static void finished(ca_context* context, unsigned id, int error, void* self);

    // Receives the news of a finished sound from libcanberra's thread. Declared before the
    // context, so it outlives the context, whose destruction waits for that thread.
    QObject receiver_;
    std::unique_ptr<ca_context, ContextDeleter> context_;
    int waiting_ = 0;
    unsigned playing_ = 0; // the id of the sound that plays, 0 for none
    bool warned_ = false;
    unsigned lastId_ = 0;
};

} // namespace rutschbild

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

struct ca_context;

namespace rutschbild::qt {

class CanberraLibrary;

// Plays the beeps of a CanberraBeeper on the beeper's own thread. A beep asked for while one
// plays follows it when it has finished, or a fifth of a second after it began if that comes
// first (some sound paths report the end late), so three in a row are heard as three. After a
// sound has failed, beeps fall back for half a minute before libcanberra is tried again: a
// failing attempt costs milliseconds of processor time that a click's repaint needs.
class EventSoundPlayer final : public QObject {
public:
    // fallBack sounds one beep some other way; it is called on this object's thread.
    explicit EventSoundPlayer(std::function<void()> fallBack);
    ~EventSoundPlayer() override;

    void beep();

private:
    struct ContextDeleter {
        void operator()(ca_context* context) const;
        int (*destroy)(ca_context*);
    };

    void open();
    void playWaitingBeeps();
    void playAfter(unsigned id);
    int play(unsigned id);
    void warnOnce(int error);
    void warnOnce(const char* reason);
    static void finished(ca_context* context, unsigned id, int error, void* self);

    std::function<void()> fallBack_;
    QTimer spacing_;
    QElapsedTimer sinceFailure_;               // invalid until a sound fails
    std::unique_ptr<CanberraLibrary> library_; // opened at the first beep; outlives context_
    std::unique_ptr<ca_context, ContextDeleter> context_;
    int waiting_ = 0;
    unsigned playing_ = 0; // the id of the sound that plays, 0 for none
    unsigned lastId_ = 0;
    bool warned_ = false;
};

} // namespace rutschbild::qt

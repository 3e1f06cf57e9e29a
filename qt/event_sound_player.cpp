#include "event_sound_player.h"
#include "canberra_library.h"

#include <dlfcn.h>

#include <cstdio>

namespace rutschbild::qt {

namespace {

// The bell of the freedesktop theme lasts 0.14 s.
constexpr int kBeepSpacingMilliseconds = 200;
constexpr qint64 kRetryMilliseconds = 30'000;

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// libcanberra's ALSA backend lets ALSA print several lines for every sound it cannot play (no
// sound card, no server). Our one line says enough, so ALSA is asked to keep quiet, if the
// backend has loaded it; the program does not depend on ALSA itself.
void silenceAlsa()
{
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!alsa)
        return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto* setHandler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        setHandler(&ignoreAlsaMessage);
    dlclose(alsa);
}

} // namespace

void EventSoundPlayer::ContextDeleter::operator()(ca_context* context) const
{
    // Waits for libcanberra's own threads, so no finished() comes after it.
    destroy(context);
}

EventSoundPlayer::EventSoundPlayer(std::function<void()> fallBack)
    : fallBack_(std::move(fallBack)), spacing_(this)
{
    spacing_.setSingleShot(true);
    spacing_.setInterval(kBeepSpacingMilliseconds);
    connect(&spacing_, &QTimer::timeout, this, [this] { playAfter(playing_); });
}

EventSoundPlayer::~EventSoundPlayer() = default;

// On the player's thread, at the first beep: connecting to a sound server takes its time.
void EventSoundPlayer::open()
{
    if (!library_ || !library_->ok())
        library_ = std::make_unique<CanberraLibrary>();
    if (!library_->ok()) {
        warnOnce(library_->error().c_str());
        sinceFailure_.start();
        return;
    }
    ca_context* context = nullptr;
    int error = library_->contextCreate(&context);
    if (error == CA_SUCCESS) {
        context_ = {context, ContextDeleter{library_->contextDestroy}};
        library_->contextChangeProps(context, CA_PROP_APPLICATION_NAME, "Rutschbild",
                                     CA_PROP_APPLICATION_ID, "rutschbild", nullptr);
        error = library_->contextOpen(context);
        silenceAlsa();
    }
    if (error != CA_SUCCESS) {
        context_.reset();
        warnOnce(error);
        sinceFailure_.start();
    }
}

void EventSoundPlayer::beep()
{
    if (!context_ && (!sinceFailure_.isValid() || sinceFailure_.hasExpired(kRetryMilliseconds)))
        open();
    ++waiting_;
    if (playing_ == 0)
        playWaitingBeeps();
}

void EventSoundPlayer::playAfter(unsigned id)
{
    if (id == 0 || id != playing_)
        return; // its end, or its time, has come before
    playing_ = 0;
    playWaitingBeeps();
}

void EventSoundPlayer::playWaitingBeeps()
{
    while (waiting_ > 0) {
        --waiting_;
        // Every beep has an id of its own, so none cancels another.
        const unsigned id = ++lastId_ == 0 ? ++lastId_ : lastId_;
        const int error = context_ ? play(id) : CA_ERROR_STATE;
        if (error == CA_SUCCESS) {
            playing_ = id;
            spacing_.start();
            return;
        }
        warnOnce(error);
        if (context_) {
            context_.reset();
            sinceFailure_.start();
        }
        fallBack_();
    }
}

int EventSoundPlayer::play(unsigned id)
{
    const CanberraLibrary& ca = *library_;
    ca_proplist* properties = nullptr;
    if (ca.proplistCreate(&properties) != CA_SUCCESS)
        return CA_ERROR_OOM;
    ca.proplistSets(properties, CA_PROP_EVENT_ID, "bell-window-system");
    ca.proplistSets(properties, CA_PROP_EVENT_DESCRIPTION, "Rutschbild");
    int error = ca.contextPlayFull(context_.get(), id, properties, &finished, this);
    if (error == CA_ERROR_NOTFOUND) {
        ca.proplistSets(properties, CA_PROP_EVENT_ID, "bell");
        error = ca.contextPlayFull(context_.get(), id, properties, &finished, this);
    }
    ca.proplistDestroy(properties);
    return error;
}

void EventSoundPlayer::warnOnce(int error)
{
    // A library that failed to open has had its say already.
    if (!warned_)
        warnOnce(library_->errorText(error));
}

void EventSoundPlayer::warnOnce(const char* reason)
{
    if (!warned_)
        std::fprintf(stderr, "rutschbild: no event sound (%s), using the display's bell\n", reason);
    warned_ = true;
}

// Runs on one of libcanberra's threads, which may not call back into libcanberra: it only posts
// the news to the player's thread.
void EventSoundPlayer::finished(ca_context*, unsigned id, int, void* self)
{
    auto* player = static_cast<EventSoundPlayer*>(self);
    QMetaObject::invokeMethod(
        player, [player, id] { player->playAfter(id); }, Qt::QueuedConnection);
}

} // namespace rutschbild::qt

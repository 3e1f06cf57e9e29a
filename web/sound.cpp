#include "sound.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <algorithm>

namespace rutschbild::web {

namespace {

constexpr double kFrequency = 880; // Hz
constexpr double kDuration = 0.12; // seconds
constexpr double kVolume = 0.2;
// Seconds to fade in and out, so the tone starts and stops without a click.
constexpr double kEdge = 0.006;

// The audio context, made once the player has done something (before that, browsers start it
// muted and warn about it), and woken again should the browser have put it to sleep. Null where
// the browser has no Web Audio or will not give the page a context.
// clang-format off
EM_JS(emscripten::EM_VAL, readyAudioContext, (emscripten::EM_VAL existing), {
    const context = Emval.toValue(existing);
    if (context) {
        if (context.state === 'suspended')
            context.resume().catch(() => {});
        return Emval.toHandle(context);
    }
    const AudioContextClass = window.AudioContext || window.webkitAudioContext;
    if (!AudioContextClass || (navigator.userActivation && !navigator.userActivation.hasBeenActive))
        return Emval.toHandle(null);
    try {
        return Emval.toHandle(new AudioContextClass());
    } catch (error) {
        return Emval.toHandle(null);
    }
});

// True for the first beep of a press, false for any further beep asked for in the same run of
// the page's code (the flag clears once that run is over).
EM_JS(bool, firstBeepOfPress, (), {
    if (Module.beepPressOngoing)
        return false;
    Module.beepPressOngoing = true;
    queueMicrotask(() => { Module.beepPressOngoing = false; });
    return true;
});
// clang-format on

} // namespace

void WebAudioBeeper::prepare()
{
    context_ = emscripten::val::take_ownership(readyAudioContext(context_.as_handle()));
}

void WebAudioBeeper::beep()
{
    if (context_.isNull())
        return;
    const double now = context_["currentTime"].as<double>();
    double start = now;
    if (!firstBeepOfPress()) {
        start = std::max(now, nextStart_);
    } else if (nextStart_ > now && !lastTone_.isNull()) {
        // A new press: the beep still sounding fades out at once instead of holding this one back.
        emscripten::val level = lastLevel_["gain"];
        level.call<void>("cancelScheduledValues", now);
        level.call<void>("setValueAtTime", level["value"], now);
        level.call<void>("linearRampToValueAtTime", 0.0, now + kEdge);
        lastTone_.call<void>("stop", now + kEdge);
    }
    const double end = start + kDuration;
    nextStart_ = end;

    emscripten::val oscillator = context_.call<emscripten::val>("createOscillator");
    oscillator["frequency"].set("value", kFrequency);
    emscripten::val gain = context_.call<emscripten::val>("createGain");
    emscripten::val level = gain["gain"];
    level.call<void>("setValueAtTime", 0.0, start);
    level.call<void>("linearRampToValueAtTime", kVolume, start + kEdge);
    level.call<void>("setValueAtTime", kVolume, end - kEdge);
    level.call<void>("linearRampToValueAtTime", 0.0, end);
    oscillator.call<emscripten::val>("connect", gain);
    gain.call<emscripten::val>("connect", context_["destination"]);
    oscillator.call<void>("start", start);
    oscillator.call<void>("stop", end);
    lastTone_ = oscillator;
    lastLevel_ = gain;
}

} // namespace rutschbild::web

#pragma once

#include <emscripten/val.h>

namespace rutschbild::web {

// The system beep, made with the Web Audio API: one short tone per beep, each starting when the
// one before it ends. Where Web Audio is missing or refused, beeps are silent.
class WebAudioBeeper {
public:
    // Browsers let a page make sound only once the player has done something, so the page
    // calls this on every click; the first one creates the audio context, later ones wake it.
    void prepare();
    void beep();

private:
    emscripten::val context_ = emscripten::val::null();
    double nextStart_ = 0; // seconds on the context's clock
};

} // namespace rutschbild::web

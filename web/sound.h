#pragma once

#include <emscripten/val.h>

namespace rutschbild::web {

// The system beep, made with the Web Audio API: one short tone per beep. A beep asked for by a
// new press starts at once and cuts the one still sounding, so the sound keeps up with fast play;
// beeps asked for by the same press (the win's three) follow one another. Where Web Audio is
// missing or refused, beeps are silent.
class WebAudioBeeper {
public:
    // Browsers let a page make sound only once the player has done something, so the page
    // calls this on every click; the first one creates the audio context, later ones wake it.
    void prepare();
    void beep();

private:
    emscripten::val context_ = emscripten::val::null();
    emscripten::val lastTone_ = emscripten::val::null();  // oscillator of the last beep
    emscripten::val lastLevel_ = emscripten::val::null(); // and its gain
    double nextStart_ = 0; // seconds on the context's clock: when the last beep ends
};

} // namespace rutschbild::web

// Rutschbild in the browser: the page is there already; this brings it to life.
#include "clock.h"
#include "form1.h"

#include <emscripten/emscripten.h>

int main()
{
    rutschbild::SystemClock clock;
    rutschbild::Form1 form(clock);
    // The page goes on after main: leave it without unwinding, so the window stays where it is.
    emscripten_exit_with_live_runtime();
}

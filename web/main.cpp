// Rutschbild in the browser: the page is there already; this brings it to life.
#include "clock.h"
#include "main_window.h"

#include <emscripten/emscripten.h>

int main()
{
    using emscripten::val;
    // Each stylesheet sets a property on the root: --face style.css, --twip layout.css. Without
    // either (a broken download) the board would lie in pieces. The program ends, and the page
    // asks to be loaded again (main.js).
    const val style = val::global("getComputedStyle")(val::global("document")["documentElement"]);
    for (const char* property : {"--face", "--twip"}) {
        if (style.call<std::string>("getPropertyValue", std::string(property)).empty())
            return 1;
    }
    rutschbild::SystemClock clock;
    rutschbild::web::MainWindow window(clock);
    // The page goes on after main: leave it without unwinding, so the window stays where it is.
    emscripten_exit_with_live_runtime();
}

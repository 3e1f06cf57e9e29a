#include "timer.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

namespace rutschbild {

namespace {

// clang-format off
EM_JS(double, setActionInterval, (int milliseconds, void* action), {
    return setInterval(function() { _rutschbildRunAction(action); }, milliseconds);
});

EM_JS(void, clearActionInterval, (double id), {
    clearInterval(id);
});
// clang-format on

} // namespace

IntervalTimer::IntervalTimer(int milliseconds, std::function<void()> tick)
    : milliseconds_(milliseconds), tick_(std::move(tick))
{
}

IntervalTimer::~IntervalTimer() { stop(); }

void IntervalTimer::start()
{
    stop();
    id_ = setActionInterval(milliseconds_, &tick_);
}

void IntervalTimer::stop()
{
    if (id_ != 0)
        clearActionInterval(id_);
    id_ = 0;
}

} // namespace rutschbild

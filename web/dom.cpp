#include "dom.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

// The one way back from JavaScript into C++: an event listener or an interval hands over the
// action it was given.
extern "C" EMSCRIPTEN_KEEPALIVE void rutschbildRunAction(void* action)
{
    (*static_cast<std::function<void()>*>(action))();
}

extern "C" EMSCRIPTEN_KEEPALIVE void rutschbildRunEventAction(void* action,
                                                              emscripten::EM_VAL event)
{
    (*static_cast<std::function<void(const emscripten::val&)>*>(action))(
        emscripten::val::take_ownership(event));
}

namespace {

// clang-format off
EM_JS(void, addActionListener, (emscripten::EM_VAL target, const char* type, bool capture,
                                emscripten::EM_VAL controller, void* action), {
    Emval.toValue(target).addEventListener(UTF8ToString(type), function() {
        _rutschbildRunAction(action);
    }, {capture: capture, signal: Emval.toValue(controller).signal});
});

EM_JS(void, addEventActionListener, (emscripten::EM_VAL target, const char* type,
                                     emscripten::EM_VAL controller, void* action), {
    Emval.toValue(target).addEventListener(UTF8ToString(type), function(event) {
        _rutschbildRunEventAction(action, Emval.toHandle(event));
    }, {signal: Emval.toValue(controller).signal});
});

EM_JS(double, setActionInterval, (int milliseconds, void* action), {
    return setInterval(function() { _rutschbildRunAction(action); }, milliseconds);
});

EM_JS(void, clearActionInterval, (double id), { clearInterval(id); });

EM_JS(double, setActionTimeout, (int milliseconds, void* action), {
    return setTimeout(function() { _rutschbildRunAction(action); }, milliseconds);
});

EM_JS(void, clearActionTimeout, (double id), { clearTimeout(id); });
// clang-format on

} // namespace

namespace rutschbild::web::dom {

val element(const std::string& id)
{
    return val::global("document").call<val>("getElementById", id);
}

void setText(val element, const std::string& text) { element.set("textContent", text); }

void setHidden(val element, bool hidden) { element.set("hidden", hidden); }

EventListeners::EventListeners() : abortController_(val::global("AbortController").new_()) {}

EventListeners::~EventListeners() { abortController_.call<void>("abort"); }

void EventListeners::listen(const val& target, const char* type, std::function<void()> action,
                            bool first)
{
    actions_.push_front(std::move(action));
    addActionListener(target.as_handle(), type, first, abortController_.as_handle(),
                      &actions_.front());
}

void EventListeners::listenToEvent(const val& target, const char* type,
                                   std::function<void(const val& event)> action)
{
    eventActions_.push_front(std::move(action));
    addEventActionListener(target.as_handle(), type, abortController_.as_handle(),
                           &eventActions_.front());
}

Interval::Interval(int milliseconds, std::function<void()> tick)
    : milliseconds_(milliseconds), tick_(std::move(tick))
{
}

void Interval::start()
{
    stop();
    id_ = setActionInterval(milliseconds_, &tick_);
}

void Interval::stop()
{
    if (id_ != 0)
        clearActionInterval(id_);
    id_ = 0;
}

Timeout::Timeout(int milliseconds, std::function<void()> action)
    : milliseconds_(milliseconds), action_(std::move(action)), run_([this] {
          id_ = 0;
          action_();
      })
{
}

void Timeout::start()
{
    stop();
    id_ = setActionTimeout(milliseconds_, &run_);
}

void Timeout::stop()
{
    if (id_ != 0)
        clearActionTimeout(id_);
    id_ = 0;
}

} // namespace rutschbild::web::dom

#include "dom.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

// The one way back from JavaScript into C++: an event listener or an interval hands over the
// action it was given.
extern "C" EMSCRIPTEN_KEEPALIVE void rutschbildRunAction(void* action)
{
    (*static_cast<std::function<void()>*>(action))();
}

namespace {

// clang-format off
EM_JS(void, addActionListener, (emscripten::EM_VAL target, const char* type, bool capture,
                                emscripten::EM_VAL controller, void* action), {
    Emval.toValue(target).addEventListener(UTF8ToString(type), function() {
        _rutschbildRunAction(action);
    }, {capture: capture, signal: Emval.toValue(controller).signal});
});
// clang-format on

} // namespace

namespace rutschbild::dom {

val element(const std::string& id)
{
    return val::global("document").call<val>("getElementById", id);
}

std::string text(const val& element) { return element["textContent"].as<std::string>(); }

void setText(val element, const std::string& text) { element.set("textContent", text); }

void setHidden(val element, bool hidden) { element.set("hidden", hidden); }

EventListeners::EventListeners() : abortController_(val::global("AbortController").new_()) {}

EventListeners::~EventListeners() { abortController_.call<void>("abort"); }

void EventListeners::listen(const val& target, const char* type, std::function<void()> action)
{
    add(target, type, false, std::move(action));
}

void EventListeners::listenFirst(const val& target, const char* type,
                                 std::function<void()> action)
{
    add(target, type, true, std::move(action));
}

void EventListeners::add(const val& target, const char* type, bool capture,
                         std::function<void()> action)
{
    actions_.push_front(std::move(action));
    addActionListener(target.as_handle(), type, capture, abortController_.as_handle(),
                      &actions_.front());
}

} // namespace rutschbild::dom

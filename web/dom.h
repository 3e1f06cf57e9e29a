#pragma once

#include <emscripten/val.h>

#include <forward_list>
#include <functional>
#include <string>

// The few things the page's C++ does to the document.
namespace rutschbild::dom {

using emscripten::val;

val element(const std::string& id);

std::string text(const val& element);
void setText(val element, const std::string& text);
void setHidden(val element, bool hidden);

// JavaScript calls back into C++ through the exported rutschbildRunAction(action), which runs
// the std::function<void()> that action points to.

// Runs C++ actions on DOM events for as long as it lives.
class EventListeners {
public:
    EventListeners();
    ~EventListeners();
    EventListeners(const EventListeners&) = delete;
    EventListeners& operator=(const EventListeners&) = delete;

    void listen(const val& target, const char* type, std::function<void()> action);
    // Runs before the listeners of the element that was hit.
    void listenFirst(const val& target, const char* type, std::function<void()> action);

private:
    void add(const val& target, const char* type, bool capture, std::function<void()> action);

    val abortController_; // aborting it removes every listener at once
    std::forward_list<std::function<void()>> actions_; // stays where it is while listened to
};

} // namespace rutschbild::dom

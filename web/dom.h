#pragma once

#include <emscripten/val.h>

#include <forward_list>
#include <functional>
#include <string>

// The few things the page's C++ does to the document, and the ways the browser calls back:
// JavaScript runs C++ through the exported rutschbildRunAction(action), which runs the
// std::function<void()> that action points to, or rutschbildRunEventAction(action, event) for
// a std::function<void(const val&)> that reads the event.
namespace rutschbild::web::dom {

using emscripten::val;

val element(const std::string& id);
void setText(val element, const std::string& text);
void setHidden(val element, bool hidden);

// Runs C++ actions on DOM events for as long as it lives.
class EventListeners {
public:
    EventListeners();
    ~EventListeners();
    EventListeners(const EventListeners&) = delete;
    EventListeners& operator=(const EventListeners&) = delete;

    // With first, the action runs before the listeners of the element that was hit.
    void listen(const val& target, const char* type, std::function<void()> action,
                bool first = false);
    // For an action that needs the event itself: its key, or to cancel the browser's own part.
    void listenToEvent(const val& target, const char* type,
                       std::function<void(const val& event)> action);

private:
    val abortController_;                              // aborting it removes every listener at once
    std::forward_list<std::function<void()>> actions_; // stays where it is while listened to
    std::forward_list<std::function<void(const val&)>> eventActions_;
};

// A browser interval that exists only while it runs, so an idle page does no work.
class Interval {
public:
    Interval(int milliseconds, std::function<void()> tick);
    ~Interval() { stop(); }
    Interval(const Interval&) = delete;
    Interval& operator=(const Interval&) = delete;

    void start(); // a running interval starts afresh
    void stop();

private:
    int milliseconds_;
    std::function<void()> tick_;
    // The browser's interval ID. Kept as a double: IDs need not fit 32 bits (fake clocks in
    // tests hand out IDs from 10^12 up), and a cut-off one would never stop its interval.
    double id_ = 0;
};

// A browser timeout that runs its action once, a while after start; a pending one starts afresh.
class Timeout {
public:
    Timeout(int milliseconds, std::function<void()> action);
    ~Timeout() { stop(); }
    Timeout(const Timeout&) = delete;
    Timeout& operator=(const Timeout&) = delete;

    void start();
    void stop();

private:
    int milliseconds_;
    std::function<void()> action_;
    std::function<void()> run_; // what the browser calls: forgets the ID, then the action
    double id_ = 0;             // as Interval's
};

} // namespace rutschbild::web::dom

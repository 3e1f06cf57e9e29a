#pragma once

#include <functional>

namespace rutschbild {

// Timer1: a browser interval that exists only while the timer runs, so an idle page does no work.
class IntervalTimer {
public:
    IntervalTimer(int milliseconds, std::function<void()> tick);
    ~IntervalTimer();
    IntervalTimer(const IntervalTimer&) = delete;
    IntervalTimer& operator=(const IntervalTimer&) = delete;

    // Starting a running timer starts its interval afresh.
    void start();
    void stop();
    bool running() const { return id_ != 0; }

private:
    int milliseconds_;
    std::function<void()> tick_;
    // The browser's interval ID. Kept as a double: IDs need not fit 32 bits (fake clocks in
    // tests hand out IDs from 10^12 up), and a cut-off one would never stop its interval.
    double id_ = 0;
};

} // namespace rutschbild

#pragma once

#include "clock.h"

#include <cstdint>

namespace rutschbild::testing {

// A clock the test sets: the local time of day and the monotonic milliseconds apart.
class FakeClock final : public Clock {
public:
    LocalDateTime localNow() const override { return local; }
    std::int64_t monotonicMilliseconds() const override { return monotonic; }

    void set(int hour, int minute, int second)
    {
        local.hour = hour;
        local.minute = minute;
        local.second = second;
    }

    LocalDateTime local{2026, 12, 8, 10, 0, 0};
    std::int64_t monotonic = 0;
};

} // namespace rutschbild::testing
